#include "formfixture.h"
#include "kit/fontdialog.h"
#include "kit/commondialog.h"
#include "kit/fitlabel.h"
#include "form1.h"
#include "kit/framebox.h"
#include "kit/picturebox.h"
#include "kit/toolbar.h"

#include <QApplication>
#include <QBuffer>
#include <QColorDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray report(const QByteArray &teamsLine = "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)")
{
    return "LIGA DE PRUEBA\r\n" + teamsLine + "\r\n\xC1rbitro: Ju\xE1n P\xE9rez\r\nComentarios del partido\r\n"
           "Min  1: Empieza el partido.\r\nResultado final: 0 - 0\r\n";
}

// A shipped report: goals both ways, cards, a sending-off and substitutions.
const QString Sample = QStringLiteral(TEZMARO_SOURCE_DIR "/ejemplos/arenales-penascal.txt");

Answer pickColour(const QColor &colour, bool accept = true)
{
    return [=](QDialog *d) {
        static_cast<QColorDialog *>(d)->setCurrentColor(colour);
        return accept;
    };
}

Answer pickFont(const NarrationFont &font, bool accept = true)
{
    return [=](QDialog *d) {
        static_cast<FontDialog *>(d)->setChoice(font);
        return accept;
    };
}

const QString Campo = QStringLiteral(TEZMARO_SOURCE_DIR "/fondos/campo.gif");

// Names, stadium and lines longer than their boxes hold in the classic fonts.
const QString LongHome = QStringLiteral("Real Club Deportivo Puerto Alcázar de los Caballeros del Mar");
const QString LongAway = QStringLiteral("Unión Deportiva Vallehondo y Santa Olaya de Arriba");
const QString LongStadium = QStringLiteral("Estadio Municipal del Malecón Nuevo de Puerto Alcázar (Provincia de Vallehondo)");
const QString TwoLines = QStringLiteral("Tomás Ruiz dispara desde fuera del área y el balón se va rozando el poste izquierdo.");
const QString Line300 = QStringLiteral("balón ").repeated(50).trimmed();
const QString Line1000 = QStringLiteral("balón ").repeated(170).trimmed();
const QString HalfTime = QStringLiteral("Marcador al descanso: ") + LongHome + QStringLiteral(" 1 - ") + LongAway + " 0";

// What shows of a match only from its first start.
const char *const MatchElements[] = {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label9",
                                     "Label10", "List1", "List2", "List3", "List4", "Image1", "Image2", "Frame1"};

} // namespace

// The main window on a program folder of its own, found by object names:
// opening a report, playing it, and the appearance commands.
class TestForm1 : public QObject
{
    Q_OBJECT

    void restart()
    {
        m_window = std::make_unique<Form1>(m_dir->path());
        m_notices = std::make_unique<Notices>(*m_window);
    }
    // The messages shown since the last call; cleanup() finds none left.
    QStringList takeNotices() { return std::exchange(m_notices->texts, {}); }
    template<typename T> T *part(const char *name) { return m_window->findChild<T *>(QLatin1String(name)); }
    QString text(const char *label) { return part<QLabel>(label)->text(); }
    QAction *button(int position) { return part<Toolbar>("Toolbar1")->button(position); }
    void click(int position) { button(position)->trigger(); }
    void open(const QString &path)
    {
        answerNextOpen(part<CommonDialog>("Archivo"), path);
        click(1);
    }

    // Which of buttons 2, 3 and 4 are enabled, as "BCD" with "-" for disabled.
    QString playbackButtons()
    {
        QString state;
        for (int position = 2; position <= 4; ++position)
            state += button(position)->isEnabled() ? QChar(u'A' + position - 1) : QChar(u'-');
        return state;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Form1> m_window;
    std::unique_ptr<Notices> m_notices;

    QString shown() { return part<PictureBox>("Cuadro_Principal")->text(); }
    QString reportPath() { return m_dir->filePath(QStringLiteral("partido.txt")); }

    // Ticks until the timer stops, as many as the report has lines at most.
    void playToStop()
    {
        for (int i = 0; i < 100000 && timer()->isActive(); ++i)
            m_window->Timer1_Timer();
        QVERIFY(!timer()->isActive());
    }
    QTimer *timer() { return part<QTimer>("Timer1"); }
    QRadioButton *option(int speed) { return part<QRadioButton>(qPrintable(QStringLiteral("Option%1").arg(speed))); }
    QStringList items(const char *list)
    {
        QStringList result;
        for (int i = 0; i < part<QListWidget>(list)->count(); ++i)
            result << part<QListWidget>(list)->item(i)->text();
        return result;
    }

    QString settingsText()
    {
        QFile file(m_dir->filePath(QStringLiteral("TPZ.INI")));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }
    QColor background() { return m_window->centralWidget()->palette().color(QPalette::Window); }
    QSize pictureSize() { return part<PictureBox>("Cuadro_Principal")->picture().size(); }
    QFont narrationFont() { return part<QLabel>("Texto_Narracion")->font(); }
    QColor narrationColour() { return part<QLabel>("Texto_Narracion")->palette().color(QPalette::WindowText); }
    void choosePicture(const QString &path)
    {
        answerNextOpen(part<CommonDialog>("Archivo2"), path);
        m_window->Fondo_Aplicacion_Click();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        restart();
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("escudos")));
        writeFile(reportPath(), report());
    }

    void cleanup() { QCOMPARE(takeNotices(), QStringList()); }

    // A cancelled first opening leaves the window as it started.
    void startUpAndCancelledFirstOpening()
    {
        for (bool cancelled : {false, true}) {
            if (cancelled)
                open(QString());
            QCOMPARE(part<CommonDialog>("Archivo")->FileName, QString());
            QCOMPARE(playbackButtons(), QStringLiteral("---"));
            QVERIFY(!m_window->partido().reportOpen());
            QVERIFY(part<QRadioButton>("Option1")->isChecked());
            QVERIFY(!part<QTimer>("Timer1")->isActive());
            for (const char *name : MatchElements)
                QVERIFY2(!part<QWidget>(name)->isVisibleTo(m_window.get()), name);
            QCOMPARE(shown(), QString());
        }
    }

    void successfulOpeningAndCancelledSecond()
    {
        QImage crest(60, 80, QImage::Format_RGB32);
        crest.fill(Qt::magenta);
        QVERIFY(crest.save(m_dir->filePath(QStringLiteral("escudos/ARIO.gif")), "PNG"));
        open(reportPath());
        // Which crest file is found is the lookup's part; the window's part is
        // to keep the default crest of a side without one.
        auto *away = part<QLabel>("Image2");
        QCOMPARE(away->pixmap().toImage(), part<QLabel>("Image4")->pixmap().toImage());
        QCOMPARE(away->size(), QSize(121, 143));

        // Five empty lines, then the header in Windows-1252.
        const QString header = QStringLiteral("\n\n\n\n\nLIGA DE PRUEBA\n"
                                              "Atletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)\n"
                                              "Árbitro: Juán Pérez");
        for (bool cancelled : {false, true}) {
            if (cancelled)
                open(QString());
            QCOMPARE(part<CommonDialog>("Archivo")->FileName, reportPath());
            QCOMPARE(playbackButtons(), QStringLiteral("B--"));
            QVERIFY(m_window->partido().reportOpen());
            QCOMPARE(shown(), header);
            QCOMPARE(text("Label4") + '|' + text("Label5") + '|' + text("Label10"),
                     QStringLiteral("Atletico Rio|Club Sierra|Estadio Mayor (Valle)"));
        }
    }

    // A crest larger than its place, 121 by 143, is scaled down to fit it,
    // keeping its proportions; a smaller one shows as it always did.
    void crests_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("home");
        QTest::addColumn<QSize>("away");

        QTest::newRow("smaller: home at its own size, away stretched to its place")
            << QSize(60, 80) << QSize(60, 80) << QSize(121, 143);
        QTest::newRow("wide, many times its place") << QSize(1000, 600) << QSize(121, 72) << QSize(121, 72);
        QTest::newRow("tall") << QSize(200, 1000) << QSize(28, 143) << QSize(28, 143);
    }

    void crests()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, home);
        QFETCH(QSize, away);

        QImage crest(picture, QImage::Format_RGB32);
        crest.fill(Qt::magenta);
        for (const char *key : {"ARIO", "CSIE"})
            QVERIFY(crest.save(m_dir->filePath(QStringLiteral("escudos/%1.gif").arg(QLatin1String(key))), "PNG"));
        open(reportPath());
        const auto shown = [this](const char *name) {
            auto *image = part<QLabel>(name);
            return image->hasScaledContents() ? image->size() : image->pixmap().size();
        };
        QCOMPARE(shown("Image1"), home);
        QCOMPARE(part<QLabel>("Image1")->size(), home);
        QCOMPARE(shown("Image2"), away);
    }

    // Text from a report is shown as it is: tags and entities are characters.
    void reportTextShownPlain()
    {
        writeFile(reportPath(), "LIGA\r\n<b>Rio</b> (ARIO) vs. Sierra &amp; Mar (CSIE) en <u>Mayor</u>\r\nComentarios\r\n"
                                "Min  1: Tom\xE1s <i>Ruiz</i> &lt;dispara&gt;\r\n");
        open(reportPath());
        click(2);
        for (int i = 0; i < 4; ++i)
            m_window->Timer1_Timer();
        QCOMPARE(text("Label4") + '|' + text("Label5") + '|' + text("Label10") + '|' + text("Texto_Narracion"),
                 QStringLiteral("<b>Rio</b>|Sierra &amp; Mar|<u>Mayor</u>|Tomás <i>Ruiz</i> &lt;dispara&gt;"));
        for (QLabel *label : m_window->findChildren<QLabel *>()) {
            if (!label->text().isEmpty())
                QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
        }
    }

    // The labels and lists keep no more of a long text than they can show.
    // (A line too long for the reader to keep whole ends sooner.)
    void longTextsKeptBounded()
    {
        const QByteArray huge(19'000, 'a');
        const QByteArray player(5'000, 'b');
        writeFile(reportPath(), "LIGA\r\nClub " + huge + " (ARIO) vs. Club " + huge + " (CSIE) en " + huge
                                    + "\r\nComentarios\r\nMin  1: " + player + " es amonestado " + huge
                                    + "\r\nAlineaciones finales\r\n-\r\n-\r\n-\r\n   " + player + " Ruiz\r\n\r\n");
        open(reportPath());
        click(2);
        for (int i = 0; i < 4; ++i)
            m_window->Timer1_Timer();
        for (const char *name : {"Label4", "Label5", "Label10", "Texto_Narracion"}) {
            QVERIFY2(!text(name).isEmpty(), name);
            QVERIFY2(text(name).size() <= FitLabel::MaxKeptLength, name);
        }
        QCOMPARE(items("List1").size(), 1);
        QVERIFY(items("List1").first().startsWith(u'b'));
        QVERIFY(items("List1").first().size() <= FitLabel::MaxKeptLength);
    }

    // A text too large for its box keeps the box and the font set for it, but
    // is drawn smaller until it fits, down to a readable size; only below that
    // is it cut, and the whole text is then its tool tip and description.
    void textFitsItsBox_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("size");
        QTest::addColumn<QString>("drawn");

        const QString narration = QStringLiteral("Texto_Narracion");
        QTest::newRow("short narration: drawn in the chosen font")
            << 4 << narration << QStringLiteral("Empieza.") << 18.0 << "as set";
        QTest::newRow("two-line narration in a large chosen font") << 5 << narration << TwoLines << 18.0 << "smaller";
        QTest::newRow("300-character line") << 6 << narration << Line300 << 18.0 << "smaller";
        QTest::newRow("line too long for the smallest size") << 7 << narration << Line1000 << 18.0 << "cut";
        QTest::newRow("half-time score, 4 points larger") << 9 << narration << HalfTime << 22.0 << "smaller";
        QTest::newRow("long home team name") << 0 << "Label4" << LongHome << 12.0 << "smaller";
        QTest::newRow("long away team name") << 0 << "Label5" << LongAway << 12.0 << "smaller";
        QTest::newRow("long stadium") << 0 << "Label10" << LongStadium << 9.0 << "smaller";
    }

    void textFitsItsBox()
    {
        QFETCH(int, ticks);
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(qreal, size);
        QFETCH(QString, drawn);

        writeFile(m_dir->filePath(QStringLiteral("TPZ.INI")),
                  "[General]\r\n[LETRABold]=False\r\n[LETRAItalic]=True\r\n[LETRAName]=DejaVu Serif\r\n[LETRASize]=18\r\n");
        restart();
        const QString teams = LongHome + " (ARIO) vs. " + LongAway + " (CSIE) en " + LongStadium;
        writeFile(reportPath(), (QStringList{"LIGA", teams, "Comentarios", "Min  1: Empieza.", "Min  2: " + TwoLines,
                                             "Min  3: " + Line300, "Min  4: " + Line1000, "", HalfTime, ""}
                                     .join("\r\n"))
                                    .toLatin1());
        open(reportPath());
        click(2);
        for (int i = 0; i < ticks; ++i)
            m_window->Timer1_Timer();

        auto *shown = part<FitLabel>(qPrintable(label));
        QVERIFY(shown);
        QCOMPARE(shown->text(), text);
        QCOMPARE(shown->font().pointSizeF(), size);
        const QFont font = shown->shownFont();
        QCOMPARE(font.family(), shown->font().family());
        QCOMPARE(font.italic(), shown->font().italic());
        if (drawn == u"as set")
            QCOMPARE(font.pointSizeF(), size);
        else
            QVERIFY2(font.pointSizeF() < size && font.pointSizeF() >= FitLabel::MinPointSize, qPrintable(font.toString()));
        const QRect box = shown->contentsRect();
        QVERIFY(QFontMetrics(font, shown).boundingRect(box, shown->alignment() | Qt::TextWordWrap, shown->shownText()).height()
                <= box.height());

        const bool cut = drawn == u"cut";
        QCOMPARE(shown->shownText().endsWith(u'…'), cut);
        QCOMPARE(QTextDocumentFragment::fromHtml(shown->toolTip()).toPlainText(), cut ? text : QString());
        if (cut)
            QCOMPARE(shown->accessibleDescription(), text);
        else
            QCOMPARE(shown->shownText(), text);
    }

    // A report that cannot be played is named with the reason, and nothing
    // is left open; one that plays but holds no teams line is named too.
    void openingTellsWhy_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("deleteOnChoice");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<QString>("notice");

        const QString failed = QStringLiteral("No se pudo abrir «partido.txt»: %1.");
        QTest::newRow("empty report") << QByteArray() << false << QString() << "---" << failed.arg("está vacío");
        QByteArray png;
        QBuffer buffer(&png);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && QImage(8, 8, QImage::Format_RGB32).save(&buffer, "PNG"));
        QTest::newRow("a picture") << png << false << QString() << "---" << failed.arg("no es un archivo de texto");
        QTest::newRow("away part without parenthesis: the home name shows")
            << report("Atletico Rio (ARIO) vs. Club Sierra en Mayor") << false << QStringLiteral("Atletico Rio") << "---"
            << failed.arg("la línea de los equipos no se entiende");
        QTest::newRow("report deleted after it was chosen")
            << report() << true << QString() << "---" << failed.arg("no se puede leer");
        QTest::newRow("no teams line: it plays all the same")
            << QByteArray("Leche\r\nPan\r\n") << false << QString() << "B--"
            << QStringLiteral("«partido.txt» no es un informe de partido: falta la línea de los equipos.");
        for (auto [name, encoding] : {std::pair{"utf-16 LE", QStringEncoder::Utf16LE}, {"utf-16 BE", QStringEncoder::Utf16BE}}) {
            QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
            QTest::newRow(name) << QByteArray(encoder(QString::fromLatin1(report()))) << false
                                << QStringLiteral("Atletico Rio") << "B--" << QString();
        }
    }

    void openingTellsWhy()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, deleteOnChoice);
        QFETCH(QString, home);
        QFETCH(QString, buttons);
        QFETCH(QString, notice);

        writeFile(reportPath(), content);
        if (deleteOnChoice) {
            connect(part<CommonDialog>("Archivo"), &CommonDialog::aboutToShow, this, [this](QDialog *dialog) {
                connect(dialog, &QDialog::finished, dialog, [this] { QFile::remove(reportPath()); });
            });
        }
        open(reportPath());

        QCOMPARE(takeNotices(), notice.isEmpty() ? QStringList() : QStringList{notice});
        QCOMPARE(part<CommonDialog>("Archivo")->FileName, reportPath());
        QCOMPARE(playbackButtons(), buttons);
        QCOMPARE(m_window->partido().reportOpen(), buttons == u"B--");
        QCOMPARE(text("Label4"), home);
    }

    void commands_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<bool>("running");
        QTest::addColumn<QString>("startTip");

        const QString first = QStringLiteral("Comenzar Partida");
        const QString next = QStringLiteral("Continuar Partida");
        QTest::newRow("no match") << QStringList() << "---" << false << first;
        QTest::newRow("ready") << QStringList{"open"} << "B--" << false << first;
        QTest::newRow("running") << QStringList{"open", "start"} << "-C-" << true << next;
        QTest::newRow("paused") << QStringList{"open", "start", "pause"} << "B--" << false << next;
        QTest::newRow("half time") << QStringList{"open", "start", "play"} << "B--" << false << next;
        QTest::newRow("finished") << QStringList{"open", "start", "play", "start", "play"} << "--D" << false << first;
        QTest::newRow("opened again after full time")
            << QStringList{"open", "start", "play", "start", "play", "open"} << "B--" << false << first;
        QTest::newRow("cancelled opening while running")
            << QStringList{"open", "start", "cancel"} << "-C-" << true << next;
    }

    void commands()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, buttons);
        QFETCH(bool, running);
        QFETCH(QString, startTip);

        for (const QString &step : steps) {
            if (step == u"open" || step == u"cancel")
                open(step == u"open" ? Sample : QString());
            else if (step == u"play")
                playToStop();
            else
                click(step == u"start" ? 2 : 3);
        }
        QCOMPARE(playbackButtons(), buttons);
        QCOMPARE(timer()->isActive(), running);
        QCOMPARE(button(2)->toolTip(), startTip);
    }

    // Speed 2 paces narration lines at 3 s but starts at 2 s when picked while playing.
    void speeds()
    {
        option(2)->click();
        open(Sample);
        click(2);
        // The header lines are dropped at once; the first minute line sets the pace.
        for (int i = 0; i < 20 && text("Texto_Narracion").isEmpty(); ++i) {
            QCOMPARE(timer()->interval(), 1);
            m_window->Timer1_Timer();
        }
        QCOMPARE(timer()->interval(), 3000);

        option(1)->click();
        option(2)->click();
        QCOMPARE(timer()->interval(), 2000);
        QVERIFY(timer()->isActive());
        m_window->Timer1_Timer();
        QCOMPARE(timer()->interval(), 3000);

        // Paused: the pick waits for the next narration line after continuing.
        click(3);
        option(3)->click();
        QCOMPARE(timer()->interval(), 3000);
        click(2);
        QCOMPARE(timer()->interval(), 1);
        m_window->Timer1_Timer();
        QCOMPARE(timer()->interval(), 1000);
    }

    void wholeMatch()
    {
        auto *area = part<PictureBox>("Cuadro_Principal");
        const auto narrationSize = [this] { return part<QLabel>("Texto_Narracion")->font().pointSizeF(); };
        part<CommonDialog>("Archivo")->Font.size = 16;
        open(Sample);
        QVERIFY(!area->text().isEmpty());
        QCOMPARE(narrationSize(), 12.0);

        // The first start clears the header and shows the match; the half-time line stands out.
        click(2);
        QCOMPARE(area->text(), QString());
        for (const char *name : MatchElements)
            QVERIFY2(part<QWidget>(name)->isVisibleTo(m_window.get()), name);
        QCOMPARE(narrationSize(), 16.0);
        playToStop();
        QVERIFY(text("Texto_Narracion").startsWith(QStringLiteral("Marcador al descanso:")));
        QCOMPARE(narrationSize(), 20.0);
        QCOMPARE(text("Label1") + ' ' + text("Label2") + '-' + text("Label3"), QStringLiteral("45 1-1"));

        // Continuing does not prepare the display again.
        area->print(QStringLiteral("marca"));
        part<QLabel>("Label9")->hide();
        click(2);
        QCOMPARE(area->text(), QStringLiteral("marca"));
        QVERIFY(part<QLabel>("Label9")->isHidden());
        QCOMPARE(narrationSize(), 16.0);

        playToStop();
        QCOMPARE(text("Label1") + ' ' + text("Label2") + '-' + text("Label3"), QStringLiteral("90 3-2"));
        QCOMPARE(items("List3"), (QStringList{"Lorenzo Bravo(Gol,8)", "Sebastián Roldán(Gol,49)", "Saúl Olivares(Gol,87)"}));
        QCOMPARE(items("List4"), (QStringList{"Ernesto Valcárcel(Gol,22)", "Quique Santana(Gol,57)"}));
        QCOMPARE(items("List1"),
                 (QStringList{"Jorge Valdivia(Amarilla,22)", "Cristóbal Nieva(Amarilla,38)",
                              "Eugenio Campos<=>Maximiliano Rueda(62)", "Amadeo Fuster<=>Saúl Olivares(70)",
                              "Fabián Soler<=>Rafa Villena(76)", "Saúl Olivares(Amarilla,89)"}));
        QCOMPARE(items("List2"),
                 (QStringList{"Celestino Bueno(Amarilla,15)", "Roque Miralles<=>Efrén Tovar(60)",
                              "Leonel Cifuentes(Amarilla,65)", "Jonás Etxeberria(Roja,71)",
                              "Quique Santana<=>Nazario Pons(73)", "Benjamín Ayala<=>Octavio Lara(80)"}));
        QVERIFY(!m_window->partido().reportOpen());

        // The same report replayed without a window ends the same.
        PlaybackController alone;
        alone.open(Sample);
        while (alone.start().state == PlaybackState::Running) {
            while (alone.clockRunning())
                alone.tick();
        }
        QCOMPARE(alone.clock() + ' ' + QString::number(alone.match().Home) + '-' + QString::number(alone.match().Away),
                 text("Label1") + ' ' + text("Label2") + '-' + text("Label3"));
        QCOMPARE(alone.narration(), text("Texto_Narracion"));
        QCOMPARE(alone.lists(), (std::array<QStringList, 4>{items("List1"), items("List2"), items("List3"), items("List4")}));
    }

    void reportEndingEarly()
    {
        const QString path = m_dir->filePath(QStringLiteral("corto.txt"));
        writeFile(path, "Rio (ARIO) vs. Sierra (CSIE) en Mayor\r\nComentarios\r\nMin. 33: Se va la luz.\r\n");
        open(path);
        click(2);
        playToStop();
        QCOMPARE(text("Label1"), QStringLiteral("33"));
        QCOMPARE(playbackButtons(), QStringLiteral("--D"));
        QVERIFY(!m_window->partido().reportOpen());
    }

    void openingWhileRunning()
    {
        open(Sample);
        click(2);
        for (int i = 0; i < 40; ++i)
            m_window->Timer1_Timer();
        QCOMPARE(text("Label2"), QStringLiteral("1"));

        const QString other = m_dir->filePath(QStringLiteral("otro.txt"));
        writeFile(other, "Uno (UNO) vs. Dos (DOS) en Campo\r\nComentarios\r\nMin  5: Otro partido.\r\n");
        open(other);
        // The clock keeps running and reads the new report from its first line;
        // the new match shows only after the next start.
        QVERIFY(timer()->isActive());
        QCOMPARE(playbackButtons(), QStringLiteral("B--"));
        QVERIFY(part<QLabel>("Label1")->isHidden());
        QCOMPARE(text("Label2"), QStringLiteral("0"));
        for (int i = 0; i < 3; ++i)
            m_window->Timer1_Timer();
        QCOMPARE(text("Texto_Narracion"), QStringLiteral("Otro partido."));
    }

    void speedOptionsReachableOverToolbar()
    {
        // The speed selector lies over the toolbar row: a click there reaches the option.
        QWidget *client = m_window->centralWidget();
        for (int speed = 5; speed >= 1; --speed) {
            QCOMPARE(client->childAt(option(speed)->mapTo(client, option(speed)->rect().center())), option(speed));
            option(speed)->click();
            QCOMPARE(m_window->partido().speed(), speed);
        }
    }

    // A cancelled dialog still applies and saves the colour or font held, not
    // what was picked in it.
    void cancelledDialogsStillSave()
    {
        answerNext(part<CommonDialog>("Archivo2"), pickColour(QColor(1, 2, 3), false));
        m_window->Escoger_Click();
        QCOMPARE(background(), QColor(0, 64, 0));
        QVERIFY(settingsText().contains("[COLORFONDO]=16384\r\n"));
        QFile::remove(m_dir->filePath(QStringLiteral("TPZ.INI")));
        answerNext(part<CommonDialog>("Archivo"), pickFont({.name = "DejaVu Serif", .size = 15.5f, .color = 0x0000FFFF}, false));
        m_window->Escoger2_Click();
        QCOMPARE(narrationFont().pointSizeF(), 12.0);
        QVERIFY(settingsText().contains("[LETRAName]=Lucida Console\r\n[LETRASize]=12\r\n"));
    }

    // A failed save is told once, naming the file and the reason; further
    // failures stay silent until a save succeeds again.
    void failedSaveToldOnce()
    {
        const QString settings = m_dir->filePath(QStringLiteral("TPZ.INI"));
        const QString told = "No se pudieron guardar las opciones en «" + QDir::toNativeSeparators(settings)
                             + "»: ya hay una carpeta con ese nombre.";
        QVERIFY(QDir().mkdir(settings));
        m_window->Predeterminado_Click();
        m_window->Predeterminado2_Click();
        QCOMPARE(takeNotices(), QStringList{told});
        QCOMPARE(background(), QColor(126, 126, 126));

        // The two default commands write the file the settings tests know.
        QVERIFY(QDir().rmdir(settings));
        m_window->Predeterminado_Click();
        QFile golden(QStringLiteral(TEZMARO_SOURCE_DIR "/tests/core/settings/data/predeterminado.ini"));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(settingsText(), QString::fromLatin1(golden.readAll()));
        QVERIFY(QFile::remove(settings) && QDir().mkdir(settings));
        m_window->Predeterminado_Click();
        QCOMPARE(takeNotices(), QStringList{told});
    }

    void pictureCommand()
    {
        choosePicture(QString());
        QVERIFY(settingsText().isEmpty());
        choosePicture(Campo);
        QCOMPARE(pictureSize(), QSize(661, 473));
        const QString saved = settingsText();
        QVERIFY(saved.endsWith("[IMAGENFONDO]=" + Campo + "\r\n[IMAGEN]=1\r\n"));

        // A picture that does not load is named in a message and changes nothing,
        // nor does a cancelled choice: the file written next names the picture on show.
        const QString bad = m_dir->filePath(QStringLiteral("roto.gif"));
        writeFile(bad, "GIF89a pero no");
        choosePicture(bad);
        const QStringList notices = takeNotices();
        QCOMPARE(notices.size(), 1);
        QVERIFY(notices.first().contains(QStringLiteral("roto.gif")));
        choosePicture(QString());
        QCOMPARE(settingsText(), saved);
        m_window->Predeterminado_Click();
        QVERIFY(settingsText().endsWith("[IMAGENFONDO]=" + Campo + "\r\n[IMAGEN]=1\r\n"));
        QCOMPARE(pictureSize(), QSize(661, 473));
    }

    // The size goes out with a separator the next start reads back, whatever
    // the locale's own is.
    void chosenLookShowsAndSurvivesRestart_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("size");

        QTest::newRow("point locale") << QLocale::c() << "20.25";
        QTest::newRow("comma locale") << QLocale(QLocale::Spanish, QLocale::Spain) << "20,25";
        QTest::newRow("Persian separator is written as a point") << QLocale(QLocale::Persian, QLocale::Iran) << "20.25";
        QTest::newRow("Arabic separator is written as a point") << QLocale(QLocale::Arabic, QLocale::Egypt) << "20.25";
    }

    void chosenLookShowsAndSurvivesRestart()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, size);
        const QLocale previous;
        QLocale::setDefault(locale);
        const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });

        answerNext(part<CommonDialog>("Archivo2"), pickColour(QColor(90, 30, 30)));
        m_window->Escoger_Click();
        answerNext(part<CommonDialog>("Archivo"), pickFont({.name = "DejaVu Sans", .size = 20.25f, .italic = true, .color = 0x0000C0FF}));
        m_window->Escoger2_Click();
        choosePicture(Campo);
        QVERIFY(settingsText().contains("[COLORFONDO]=1973850\r\n"));
        QVERIFY(settingsText().contains("[LETRAName]=DejaVu Sans\r\n[LETRASize]=" + size + "\r\n"));

        for (bool restarted : {false, true}) {
            if (restarted)
                restart();
            QCOMPARE(background(), QColor(90, 30, 30));
            QCOMPARE(part<FrameBox>("Frame2")->backColor(), QColor(90, 30, 30));
            QCOMPARE(narrationFont().family(), QStringLiteral("DejaVu Sans"));
            QCOMPARE(narrationFont().pointSizeF(), 20.25);
            QVERIFY(narrationFont().italic());
            QCOMPARE(narrationColour(), QColor(255, 192, 0));
            QCOMPARE(pictureSize(), QSize(661, 473));
        }

        // The two default commands bring back the classic look.
        m_window->Predeterminado_Click();
        m_window->Predeterminado2_Click();
        QCOMPARE(background(), QColor(126, 126, 126));
        QCOMPARE(narrationFont().family() + ' ' + QString::number(narrationFont().pointSizeF()), "Lucida Console 12");
        QVERIFY(!narrationFont().italic());
        QCOMPARE(narrationColour(), QColor(Qt::white));
    }

    // A picture that does not load at start-up (a drive not mounted yet) ends
    // the reading there, but its path and flag are written back, so it shows
    // again at a later start.
    void startUpPicture_data()
    {
        QTest::addColumn<bool>("complete");
        QTest::addColumn<bool>("present");

        QTest::newRow("relative picture") << false << true;
        QTest::newRow("relative picture missing") << false << false;
        QTest::newRow("complete picture missing") << true << false;
    }

    void startUpPicture()
    {
        QFETCH(bool, complete);
        QFETCH(bool, present);
        const QString picture = m_dir->filePath(QStringLiteral("fondos/campo.gif"));
        const QString pair = complete ? "[IMAGENFONDO]=" + picture + "\r\n[IMAGEN]=1\r\n"
                                      : QStringLiteral("[IMAGENFONDO]=\\fondos\\campo.gif\r\n[IMAGEN]=0\r\n");
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("fondos")));
        if (present)
            QVERIFY(QFile::copy(Campo, picture));
        writeFile(m_dir->filePath(QStringLiteral("TPZ.INI")),
                  ("[General]\r\n[COLORFONDO]=255\r\n" + pair + "[LETRASize]=14\r\n").toUtf8());
        restart();
        QCOMPARE(background(), QColor(255, 0, 0));
        QCOMPARE(pictureSize().isEmpty(), !present);
        QCOMPARE(narrationFont().pointSizeF(), present ? 14.0 : 20.25);

        m_window->Predeterminado_Click();
        QVERIFY(settingsText().endsWith(pair));
        if (!present) {
            QVERIFY(QFile::copy(Campo, picture));
            restart();
            QCOMPARE(pictureSize(), QSize(661, 473));
        }
    }

    // A pipe named as a picture or a crest is passed over at once. Reading it
    // would wait for a writer for ever: an alarm turns such a hang into a failure.
    void picturesNeverFromPipes_data()
    {
        QTest::addColumn<QByteArray>("settings"); // TPZ.INI, the pipe's path for TUBERIA
        QTest::addColumn<bool>("chosen");         // the pipe chosen as background picture
        QTest::addColumn<QString>("crest");       // a link to the pipe in escudos/

        QTest::newRow("background at start-up, full path")
            << QByteArray("[General]\r\n[IMAGENFONDO]=TUBERIA\r\n[IMAGEN]=1\r\n") << false << QString();
        QTest::newRow("background at start-up, relative path")
            << QByteArray("[General]\r\n[IMAGENFONDO]=\\tuberia.gif\r\n[IMAGEN]=0\r\n") << false << QString();
        QTest::newRow("background chosen") << QByteArray() << true << QString();
        QTest::newRow("home crest by its name") << QByteArray() << false << "ARIO.gif";
        QTest::newRow("away crest in another letter case") << QByteArray() << false << "csie.gif";
    }

    void picturesNeverFromPipes()
    {
        QFETCH(QByteArray, settings);
        QFETCH(bool, chosen);
        QFETCH(QString, crest);

        const QString pipe = m_dir->filePath(QStringLiteral("tuberia.gif"));
        QCOMPARE(mkfifo(qPrintable(pipe), 0600), 0);
        if (!crest.isEmpty())
            QVERIFY(QFile::link(pipe, m_dir->filePath("escudos/" + crest)));
        if (!settings.isEmpty())
            writeFile(m_dir->filePath(QStringLiteral("TPZ.INI")), settings.replace("TUBERIA", pipe.toUtf8()));
        alarm(10);
        restart();
        if (chosen)
            choosePicture(pipe);
        if (!crest.isEmpty())
            open(reportPath());
        alarm(0);

        QVERIFY(part<PictureBox>("Cuadro_Principal")->picture().isNull());
        QCOMPARE(takeNotices().size(), chosen ? 1 : 0);
        if (!crest.isEmpty()) {
            QCOMPARE(playbackButtons(), QStringLiteral("B--"));
            QCOMPARE(part<QLabel>("Image1")->pixmap().toImage(), part<QLabel>("Image3")->pixmap().toImage());
            QCOMPARE(part<QLabel>("Image2")->pixmap().toImage(), part<QLabel>("Image4")->pixmap().toImage());
        }
    }

    // Last: the exit command leaves no event loop of this process running again.
    void exitWhilePlaying()
    {
        open(Sample);
        click(2);
        QEventLoop loop;
        QTimer::singleShot(0, this, [this] { click(6); });
        // The exit command ends the event loop the program runs in.
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!timer()->isActive());
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
