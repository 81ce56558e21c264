#include "cronica.h"
#include "formfixture.h"
#include "jornada.h"
#include "matchcard.h"
#include "kit/commondialog.h"

#include <QPlainTextEdit>
#include <QScrollBar>


// The "Crónica" window and "Guardar imagen": what the window shows as the
// match is played, skipped, switched, or watched with the window closed, and
// the saved match card. What the chronicle holds is its core test's.
class TestCronica : public FormFixture
{
    Q_OBJECT

    QPlainTextEdit *shown() { return part<QPlainTextEdit>("Texto_Cronica"); }

    // The chronicle as a window opened now would show it, built whole.
    QString fresh()
    {
        Cronica other(nullptr);
        other.show();
        other.showMatch(m_window->partido(), true);
        return other.findChild<QPlainTextEdit *>()->toPlainText();
    }

    // Steps: o opens the sample, r the round, c opens the chronicle, x closes
    // it, . ticks, t ticks until the timer stops, s starts or continues, g
    // skips to the next goal, f follows the round's third match.
    void run(const QString &script)
    {
        for (QChar step : script) {
            switch (step.unicode()) {
            case 'o': m_window->openReport(Round.first()); break;
            case 'r': m_window->openReports(Round); break;
            case 'c': command("Cronica"); break;
            case 'x': part<Cronica>("Form_Cronica")->close(); break;
            case '.': m_window->Timer1_Timer(); break;
            case 't': playToStop(*m_window); break;
            case 's': m_window->Comenzar_Click(); break;
            case 'g': m_window->Ir_Gol_Click(); break;
            case 'f': emit part<Jornada>("Jornada")->followAsked(2); break;
            }
        }
    }

private slots:
    void init() { newFolder(); }
    void cleanup() { QCOMPARE(takeNotices(), QStringList()); }

    // Row by row as it comes, the window shows what one built whole shows.
    void showsTheChronicle_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("line");
        QTest::newRow("open before the start, watched to half time") << "ocst" << 39 << "   8'  ¡GOOOL! Lorenzo Bravo cabecea a la red. Arenales 1 -- 0 Peñascal   ● Gol, Lorenzo Bravo";
        QTest::newRow("opened after a skip, a continuation line shown alone")
            << "osgc..." << 9
            << "   9'  Guillermo Ansótegui conduce, regatea a Vicente Arnedo y cae en el área... ¡Nada! El árbitro le pide que se levante.";
        QTest::newRow("a round, switched with the window open") << "rcs..........f.........." << 4 << "   1'  Echa a rodar el balón en el Estadio Nuevo Sol. El césped está muy pesado por la lluvia.";
    }

    void showsTheChronicle()
    {
        QFETCH(QString, script);
        QFETCH(QString, line);
        run(script);
        const QStringList rowsShown = shown()->toPlainText().split(u'\n');
        QCOMPARE(shown()->toPlainText(), fresh());
        QTEST(int(rowsShown.size()), "rows");
        QVERIFY2(rowsShown.contains(line), qPrintable(rowsShown.join(u'\n')));
    }

    // The newest row stays in view unless the user has scrolled back.
    void followsTheNewest()
    {
        run("ocs");
        part<Cronica>("Form_Cronica")->resize(400, 300);
        QCoreApplication::processEvents();
        run(QString(80, u'.'));
        QScrollBar *bar = shown()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        bar->setValue(0);
        run("..........");
        QCOMPARE(bar->value(), 0);
    }

    // The card proposed under the teams' names, saved whole; a save that
    // fails is told, a file already there replaced only once the user says so.
    void savesTheImage()
    {
        auto *save = part<QAction>("Guardar_Imagen");
        QVERIFY(!save->isEnabled());
        run("osgg");
        auto *dialog = part<CommonDialog>("Archivo_Imagen");
        QString proposed;
        answerNext(dialog, [&](QDialog *d) {
            auto *files = qobject_cast<QFileDialog *>(d);
            proposed = QFileInfo(files->selectedFiles().value(0)).fileName();
            files->selectFile(file("tarjeta.png"));
            return true;
        });
        save->trigger();
        QCOMPARE(proposed, "Racing Club Arenales-Deportivo Peñascal.png");
        const QImage image(file("tarjeta.png"), "PNG");
        QCOMPARE(image.size(), QSize(MatchCard::Width, MatchCard::Height));
        QVERIFY(image.pixel(20, 20) != image.pixel(600, 130));
        QCOMPARE(takeNotices(), QStringList());
        // Drawn by code, the same on every run.
        QCOMPARE(MatchCard::draw(m_window->partido(), m_window->programDir()).convertToFormat(image.format()), image);

        answerNextOpen(dialog, file("tarjeta.png/dentro.png"));
        save->trigger();
        const QStringList told = takeNotices();
        QVERIFY2(told.size() == 1 && told.first().startsWith("No se pudo guardar la imagen"), qPrintable(told.join('|')));

        // At full time the card differs, so a replaced file would show.
        answerNextOpen(dialog, file("tarjeta.png"));
        run("t");
        save->trigger();
        QCOMPARE(takeNotices(), QStringList{"Ya existe «tarjeta.png». ¿Desea reemplazarlo?"});
        QCOMPARE(QImage(file("tarjeta.png"), "PNG"), image);
    }

    // Path separators and characters refused by file systems never reach the name.
    void fileNames()
    {
        QCOMPARE(MatchCard::fileName("../A/B\\C", "D:E*F?\"<>|"), "_A_B_C-D_E_F_____.png");
        QCOMPARE(MatchCard::fileName("...", ""), "Local-Visitante.png");
    }
};

QTEST_MAIN(TestCronica)
#include "tst_cronica.moc"
