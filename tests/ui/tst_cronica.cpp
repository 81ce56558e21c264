#include "cronica.h"
#include "formfixture.h"
#include "jornada.h"
#include "matchcard.h"
#include "kit/commondialog.h"

#include <QCryptographicHash>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>


// The "Crónica" window and "Guardar imagen": what the window shows as the
// match is played, skipped, switched, or watched with the window closed, and
// the saved match card. What the chronicle holds is its core test's.
class TestCronica : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Form1> m_window;
    std::unique_ptr<Notices> m_notices;

    template<typename T> T *part(const QString &name) { return m_window->findChild<T *>(name); }
    QAction *action(const char *name) { return part<QAction>(QLatin1String(name)); }
    QPlainTextEdit *text() { return part<QPlainTextEdit>("Texto_Cronica"); }

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
            case 'c': action("Cronica")->trigger(); break;
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
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_window = std::make_unique<Form1>(m_dir.path());
        m_notices = std::make_unique<Notices>(*m_window);
    }

    void cleanup()
    {
        m_window.reset();
    }

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
        QTest::newRow("closed while played, opened again") << "ocsx.....tstc" << 85 << "  90'  Resultado final: Racing Club Arenales 3 - Deportivo Peñascal 2";
        QTest::newRow("a round, switched with the window open") << "rcs..........f.........." << 4 << "   1'  Echa a rodar el balón en el Estadio Nuevo Sol. El césped está muy pesado por la lluvia.";
        QTest::newRow("a match opened over the round") << "rcs.........ost" << 39 << "  45'  Marcador al descanso: Racing Club Arenales 1 - Deportivo Peñascal 1";
    }

    void showsTheChronicle()
    {
        QFETCH(QString, script);
        QFETCH(int, rows);
        QFETCH(QString, line);
        run(script);
        const QStringList shown = text()->toPlainText().split(u'\n');
        QCOMPARE(text()->toPlainText(), fresh());
        QCOMPARE(shown.size(), rows);
        QVERIFY2(shown.contains(line), qPrintable(shown.join(u'\n')));
    }

    // The newest row stays in view unless the user has scrolled back.
    void followsTheNewest()
    {
        run("ocs");
        part<Cronica>("Form_Cronica")->resize(400, 300);
        QCoreApplication::processEvents();
        run(QString(80, u'.'));
        QScrollBar *bar = text()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        bar->setValue(0);
        run("..........");
        QCOMPARE(bar->value(), 0);
    }

    // The card proposed under the teams' names in the pictures folder,
    // saved whole, the same on every save; a save that fails is told.
    void savesTheImage()
    {
        QAction *save = action("Guardar_Imagen");
        QVERIFY(!save->isEnabled());
        run("osgg");
        QVERIFY(save->isEnabled());
        auto *dialog = part<CommonDialog>("Archivo_Imagen");
        QStringList proposed;
        QByteArray bytes[2];
        for (QByteArray &saved : bytes) {
            const QString path = m_dir.filePath(QStringLiteral("tarjeta%1.png").arg(&saved - bytes));
            answerNext(dialog, [&](QDialog *d) {
                auto *files = qobject_cast<QFileDialog *>(d);
                proposed << QFileInfo(files->selectedFiles().value(0)).fileName();
                files->selectFile(path);
                return true;
            });
            save->trigger();
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            saved = file.readAll();
        }
        QCOMPARE(proposed.value(0), "Racing Club Arenales-Deportivo Peñascal.png");
        QCOMPARE(bytes[0], bytes[1]);
        const QImage image = QImage::fromData(bytes[0], "PNG");
        QCOMPARE(image.size(), QSize(MatchCard::Width, MatchCard::Height));
        QVERIFY(image.pixel(20, 20) != image.pixel(600, 130));
        QVERIFY(m_notices->texts.isEmpty());

        answerNextOpen(dialog, m_dir.filePath("tarjeta0.png/dentro.png"));
        save->trigger();
        QCOMPARE(m_notices->texts.size(), 1);
        QVERIFY2(m_notices->texts.first().startsWith("No se pudo guardar la imagen"), qPrintable(m_notices->texts.first()));

        // A file already there is replaced only once the user says so.
        answerNextOpen(dialog, m_dir.filePath("tarjeta0.png"));
        run("t");
        save->trigger();
        QCOMPARE(m_notices->texts.value(1), "Ya existe «tarjeta0.png». ¿Desea reemplazarlo?");
        QFile kept(m_dir.filePath("tarjeta0.png"));
        QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == bytes[0]);
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("away");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << " Rio Claro " << "Sierra" << "Rio Claro-Sierra.png";
        QTest::newRow("separators and refused characters") << "../A/B\\C" << "D:E*F?\"<>|" << "_A_B_C-D_E_F_____.png";
        QTest::newRow("control characters, a leading dot") << QString("Ri\to") << ".oculto" << "Ri_o-oculto.png";
        QTest::newRow("nothing left names the side") << "..." << "" << "Local-Visitante.png";
    }

    void fileNames()
    {
        QFETCH(QString, home);
        QFETCH(QString, away);
        QFETCH(QString, name);
        QCOMPARE(MatchCard::fileName(home, away), name);
    }
};

QTEST_MAIN(TestCronica)
#include "tst_cronica.moc"
