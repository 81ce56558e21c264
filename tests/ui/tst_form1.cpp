#include "formfixture.h"
#include "kit/fitlabel.h"
#include "kit/fontdialog.h"
#include "kit/picturebox.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QEventLoop>
#include <QRadioButton>
#include <QStatusBar>

#include <sys/stat.h>

static const QByteArray Report = "LIGA DE PRUEBA\r\nAtletico Rio (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor (Valle)\r\n"
                                 "\xC1rbitro: Ju\xE1n P\xE9rez\r\nComentarios del partido\r\nMin  1: Empieza el partido.\r\n";
static const QString Campo = QStringLiteral(TEZMARO_SOURCE_DIR "/fondos/campo.gif");

// The main window on a program folder of its own, found by object names:
// what it shows of an opening and a replay, the skips, the keys and the
// status line, and the appearance commands, given through the menu entries
// and keys a user picks.
class TestForm1 : public FormFixture
{
    Q_OBJECT

    QList<QUrl> m_shownUrls;

    // Buttons 2, 3 and 4 as "BCD" with "-" for a disabled one, the start
    // button's tool tip, and whether the timer runs.
    QString state()
    {
        QString shown;
        for (int position = 2; position <= 4; ++position)
            shown += toolbarButton(*m_window, position)->isEnabled() ? QChar(u'A' + position - 1) : QChar(u'-');
        return shown + ' ' + toolbarButton(*m_window, 2)->toolTip() + (part<QTimer>("Timer1")->isActive() ? " running" : "");
    }
    // Background, narration font and colour, and the size of the picture on show.
    QString look()
    {
        auto *narration = part<QLabel>("Texto_Narracion");
        const QFont font = narration->font();
        const QSize picture = part<PictureBox>("Cuadro_Principal")->picture().size();
        return QStringLiteral("%1 %2 %3%4 %5 %6x%7")
            .arg(m_window->centralWidget()->palette().color(QPalette::Window).name(), font.family(), QString::number(font.pointSizeF()),
                 font.italic() ? " italic" : "", narration->palette().color(QPalette::WindowText).name())
            .arg(picture.width()).arg(picture.height());
    }

public slots:
    void openUrl(const QUrl &url) { m_shownUrls << url; }

private slots:
    void init() { newFolder(); }

    void cleanup() { QCOMPARE(takeNotices(), QStringList()); }

    // Opening prints the header (five empty lines, then the report's first
    // lines in Windows-1252) and shows the names and both crests; a cancelled
    // second opening keeps all that. A crest many times larger than its
    // place, 121 by 143, is scaled down keeping its proportions.
    void opening()
    {
        writeFile(file("partido.txt"), Report);
        QImage crest(1000, 600, QImage::Format_RGB32);
        crest.fill(Qt::magenta);
        QVERIFY(crest.save(file("escudos/ARIO.gif"), "PNG") && crest.save(file("escudos/CSIE.gif"), "PNG"));
        open(file("partido.txt"));
        open(QString());
        QCOMPARE(part<PictureBox>("Cuadro_Principal")->text(),
                 "\n\n\n\n\n" + QString::fromLatin1(Report).section("\r\n", 0, 2).replace("\r\n", "\n"));
        QCOMPARE(text("Label4") + '|' + text("Label5") + '|' + text("Label10"),
                 QStringLiteral("Atletico Rio|Club Sierra|Estadio Mayor (Valle)"));
        for (QLabel *shown : {part<QLabel>("Image1"), part<QLabel>("Image2")})
            QCOMPARE(shown->hasScaledContents() ? shown->size() : shown->pixmap().size(), QSize(121, 72));
    }

    // Text from a report is shown as it is, tags and entities as characters,
    // and no more of it is kept than a label or a list row can show. A text
    // too large for its box keeps the box and the font set for it, but is
    // drawn smaller until it fits, down to a readable size; only below that
    // is it cut, and the whole text kept is then its tool tip and description.
    void reportTextShown_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("drawn");

        QTest::newRow("short, with markup: in the chosen font") << "<i>Ruiz</i> &lt;dispara&gt;" << "as set";
        QTest::newRow("too long for the smallest size, longer than a label keeps")
            << QStringLiteral("balón ").repeated(3'200).trimmed() << "cut";
    }

    void reportTextShown()
    {
        QFETCH(QString, line);
        QFETCH(QString, drawn);
        const QString kept = line.left(FitLabel::MaxKeptLength);
        const QString player(5'000, u'b');
        part<CommonDialog>("Archivo")->Font.size = 18;
        writeFile(file("partido.txt"), ("LIGA\r\n<b>Rio</b> (ARIO) vs. Sierra &amp; Mar (CSIE) en " + line + "\r\nComentarios\r\nMin  1: "
                                        + player + " es amonestado\r\nMin  2: " + line + "\r\nAlineaciones finales\r\n-\r\n-\r\n-\r\n   "
                                        + player + " Ruiz\r\n\r\n").toLatin1());
        open(file("partido.txt"));
        click(2);
        for (int i = 0; i < 5; ++i)
            m_window->Timer1_Timer();
        QCOMPARE(QStringList({text("Label4"), text("Label5"), text("Label10"), text("Texto_Narracion"), lists()[0].join(u'|')}),
                 QStringList({"<b>Rio</b>", "Sierra &amp; Mar", kept, kept, player.left(FitLabel::MaxKeptLength)}));
        for (QLabel *label : m_window->findChildren<QLabel *>())
            QVERIFY2(label->text().isEmpty() || label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));

        auto *shown = part<FitLabel>("Texto_Narracion");
        const QFont font = shown->shownFont();
        QCOMPARE(shown->font().pointSizeF(), 18.0);
        QVERIFY(drawn == u"as set" ? font.pointSizeF() == 18 : font.pointSizeF() < 18 && font.pointSizeF() >= FitLabel::MinPointSize);
        QVERIFY(QFontMetrics(font, shown).boundingRect(shown->contentsRect(), shown->alignment() | Qt::TextWordWrap, shown->shownText()).height()
                <= shown->contentsRect().height());
        // Cut, the whole text kept is its tool tip and description.
        QVERIFY(drawn == u"cut" ? shown->shownText().endsWith(u'…') && shown->toolTip().contains(kept) : shown->toolTip().isEmpty());
        QCOMPARE(drawn == u"cut" ? shown->accessibleDescription() : shown->shownText(), kept);
    }

    // Space starts and pauses as buttons 2 and 3 do, whichever is enabled,
    // and the menu's entries follow them; the number keys pick the speed in
    // the options and the menu; the skips' keys play on to their stop. The
    // status line says where the match stands. Which command each state
    // allows is the controller's state table.
    void keysInEveryState_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("keys"); // g, d and f with Ctrl
        QTest::addColumn<QString>("expected"); // buttons and timer, its period, skips | clock and score | status line

        QTest::newRow("start-up: only the speed") << "" << " 2g"
            << "--- Comenzar Partida 1|0 0-0|Sin partido Abra un informe con Ctrl+A Velocidad 2: una línea cada 3 segundos";
        QTest::newRow("ready: Space starts") << "o" << "5 "
            << "-C- Continuar Partida running 1 skips|0 0-0|Jugando Velocidad 5: diez líneas por segundo";
        QTest::newRow("paused: to the end, past half time") << "osp" << "f" << "--D Comenzar Partida 5000|90 3-2|Final Velocidad 1: una línea cada 5 segundos";
    }

    void keysInEveryState()
    {
        QFETCH(QString, steps);
        QFETCH(QString, keys);
        for (QChar step : steps) // o opens the sample, s starts, p pauses
            step == u'o' ? open(Sample) : click(step == u's' ? 2 : 3);
        activate(); // after the open dialog, which had the keyboard
        for (QChar typed : keys)
            typed.isLetter() ? QTest::keyClick(m_window.get(), Qt::Key(Qt::Key_A + typed.unicode() - u'a'), Qt::ControlModifier)
                             : QTest::keyClick(m_window.get(), typed.toLatin1());
        const qint16 speed = m_window->partido().speed();
        QVERIFY(part<QRadioButton>(QStringLiteral("Option%1").arg(speed))->isChecked()
                && part<QAction>(QStringLiteral("Velocidad%1").arg(speed))->isChecked());
        QVERIFY(part<QAction>("Comenzar")->isEnabled() == toolbarButton(*m_window, 2)->isEnabled()
                && part<QAction>("Pausar")->isEnabled() == toolbarButton(*m_window, 3)->isEnabled());
        QString status;
        for (QLabel *label : m_window->statusBar()->findChildren<QLabel *>())
            status += label->isVisibleTo(m_window.get()) ? ' ' + label->text() : QString();
        QTEST(state() + ' ' + QString::number(part<QTimer>("Timer1")->interval()) + (part<QAction>("Ir_Gol")->isEnabled() ? " skips|" : "|")
                  + score() + '|' + status.trimmed(),
              "expected");
    }

    // F1 asks the desktop to show the guide in the program folder; without
    // one, a message says where it was looked for.
    void userGuide()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
        activate();
        QTest::keyClick(m_window.get(), Qt::Key_F1);
        QCOMPARE(takeNotices(), QStringList{"No se pudo mostrar la guía del usuario; puede abrirla usted desde «"
                                            + file("docs/guia.html") + "»."});
        QVERIFY(QDir(m_dir->path()).mkdir("docs") && QFile::copy(TEZMARO_SOURCE_DIR "/docs/guia.html", file("docs/guia.html")));
        activate(); // after the message, which had the keyboard
        QTest::keyClick(m_window.get(), Qt::Key_F1);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(m_shownUrls, QList<QUrl>{QUrl::fromLocalFile(file("docs/guia.html"))});
    }

    // The chosen look shows at once and after a restart, the size written in
    // a comma locale with the separator the next start reads back (which
    // separator each locale gets is the settings file's test).
    void chosenLookShowsAndSurvivesRestart()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });
        answerNext(part<CommonDialog>("Archivo2"), [](QDialog *dialog) {
            static_cast<QColorDialog *>(dialog)->setCurrentColor(QColor(90, 30, 30));
            return true;
        });
        command("Escoger");
        answerNext(part<CommonDialog>("Archivo"), [](QDialog *dialog) {
            static_cast<FontDialog *>(dialog)->setChoice({.name = "DejaVu Sans", .size = 20.25f, .italic = true, .color = 0x0000C0FF});
            return true;
        });
        command("Escoger2");
        answerNextOpen(part<CommonDialog>("Archivo2"), Campo);
        command("Fondo_Aplicacion");
        QCOMPARE(look(), "#5a1e1e DejaVu Sans 20.25 italic #ffc000 661x473");
        QCOMPARE(fileText(file("TPZ.INI")).section("\r\n", 7, 7), "[LETRASize]=20,25");
        restart();
        QCOMPARE(look(), "#5a1e1e DejaVu Sans 20.25 italic #ffc000 661x473");
        // A picture that does not load changes nothing, nor what is saved next.
        answerNextOpen(part<CommonDialog>("Archivo2"), Sample);
        command("Fondo_Aplicacion");
        QCOMPARE(takeNotices().size(), 1);
        // The two default commands bring back the classic look but keep the picture.
        command("Predeterminado");
        command("Predeterminado2");
        QCOMPARE(look(), "#7e7e7e Lucida Console 12 #ffffff 661x473");
        QVERIFY(fileText(file("TPZ.INI")).endsWith("[IMAGENFONDO]=" + Campo + "\r\n[IMAGEN]=1\r\n"));
    }

    // A failed save is told once, naming the file and the reason; further
    // failures stay silent.
    void failedSaveToldOnce()
    {
        QVERIFY(QDir().mkdir(file("TPZ.INI")));
        command("Predeterminado");
        command("Predeterminado2");
        QCOMPARE(takeNotices(), QStringList{"No se pudieron guardar las opciones en «" + QDir::toNativeSeparators(file("TPZ.INI"))
                                            + "»: ya hay una carpeta con ese nombre."});
    }

    // A picture that does not load at start-up (a drive not mounted yet) ends
    // the reading there, but its path and flag are written back for a later
    // start.
    void startUpPicture()
    {
        const QString pair = "[IMAGENFONDO]=/no/montado/campo.gif\r\n[IMAGEN]=1\r\n";
        writeFile(file("TPZ.INI"), ("[General]\r\n[COLORFONDO]=255\r\n" + pair + "[LETRASize]=14\r\n").toUtf8());
        restart();
        QCOMPARE(look(), "#ff0000 Lucida Console 20.25 #ffffff 0x0");
        command("Predeterminado");
        QVERIFY(fileText(file("TPZ.INI")).endsWith(pair));
    }

    // A pipe named as the picture at start-up or chosen as the picture is
    // passed over at once (crests named by a pipe are the crest lookup's
    // test). Reading a pipe would wait for a writer for ever: an alarm turns
    // such a hang into a failure.
    void picturesNeverFromPipes()
    {
        const QString pipe = file("tuberia.gif");
        QCOMPARE(mkfifo(qPrintable(pipe), 0600), 0);
        writeFile(file("TPZ.INI"), ("[General]\r\n[IMAGENFONDO]=" + pipe + "\r\n[IMAGEN]=1\r\n").toUtf8());
        alarm(10);
        restart();
        answerNextOpen(part<CommonDialog>("Archivo2"), pipe);
        command("Fondo_Aplicacion");
        alarm(0);
        QCOMPARE(takeNotices(), QStringList{"No se puede mostrar «" + pipe + "» como imagen de fondo."});
        QCOMPARE(look(), "#004000 Lucida Console 20.25 #ffffff 0x0");
    }

    // A replay of the sample: the first start clears the header and shows the
    // match, the half-time line stands out 4 points larger (that the window shows what the controller holds
    // is the Jornada test's). An opening then clears what the match showed.
    // Last: exit while the match plays ends the event loop the program runs
    // in, and no loop of this process runs again.
    void wholeMatchThenExit()
    {
        auto *narration = part<QLabel>("Texto_Narracion");
        part<CommonDialog>("Archivo")->Font.size = 16;
        open(Sample);
        click(2);
        QCOMPARE(part<PictureBox>("Cuadro_Principal")->text() + QString::number(narration->font().pointSizeF()), QStringLiteral("16"));
        playToStop(*m_window);
        QCOMPARE(narration->text().left(21) + ' ' + score() + ' ' + QString::number(narration->font().pointSizeF()),
                 QStringLiteral("Marcador al descanso: 45 1-1 20"));
        click(2);
        playToStop(*m_window);

        open(Sample);
        QCOMPARE(lists(), (std::array<QStringList, 4>{}));
        QCOMPARE(score() + narration->text(), QStringLiteral("0 0-0"));

        click(2);
        QEventLoop loop;
        QTimer::singleShot(0, this, [this] { click(6); });
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(!part<QTimer>("Timer1")->isActive());
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
