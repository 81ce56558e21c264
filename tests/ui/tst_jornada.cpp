#include "formfixture.h"
#include "jornada.h"
#include "kit/picturebox.h"
#include "settings/settingslocation.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

const QString Samples = QStringLiteral(TEZMARO_SOURCE_DIR "/ejemplos/");
const QStringList Round{Samples + "arenales-penascal.txt", Samples + "puerto_alcazar-vallehondo.txt",
                        Samples + "santa_olaya-torrealba.txt"};

} // namespace

// A round in the main window and the "Jornada" window beside it: how it is
// opened, that the main window shows the followed match as the round has it
// before and after a switch, the goals followed, the results at the end and
// where the window is kept. The round's own rules are its controller's test.
class TestJornada : public FormFixture
{
    Q_OBJECT

    Jornada *jornada() { return part<Jornada>("Jornada"); }
    QTableWidget *table() { return part<QTableWidget>("Partidos"); }
    // Each row as its cells read, "|" between them.
    QStringList rows()
    {
        QStringList shown;
        for (int row = 0; table() && row < table()->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table()->columnCount(); ++column)
                cells << table()->item(row, column)->text();
            shown << cells.join(u'|');
        }
        return shown;
    }
    // Where the main window differs from what the round holds of the followed
    // match; empty when it shows it as held.
    QString mismatch()
    {
        const PlaybackController &match = m_window->partido();
        const QStringList shown{text("Label4"), text("Label5"), text("Label10"), score(), text("Texto_Narracion"),
                                part<CommonDialog>("Archivo")->FileName};
        const QStringList held{match.teams().home, match.teams().away, match.teams().stadium,
                               QStringLiteral("%1 %2-%3").arg(match.clock()).arg(match.match().Home).arg(match.match().Away),
                               match.narration(), match.path()};
        return shown == held && lists() == match.lists() ? QString() : shown.join(u'|') + " shown, held " + held.join(u'|');
    }
    void tick(int times)
    {
        for (int i = 0; i < times; ++i)
            m_window->Timer1_Timer();
    }

private slots:
    void init() { newFolder(); }

    void cleanup() { QCOMPARE(takeNotices(), QStringList()); }

    // The same reports chosen in the dialog, named on the command line or
    // dropped: one is a single match, several a round with the first that
    // opens followed and a row for one that cannot be opened, more than 40
    // refused. A single match opened afterwards leaves the round.
    void opening_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("notice");

        const QString arenales = "Racing Club Arenales|0 - 0|Deportivo Peñascal|0|";
        const QStringList three{"►|" + arenales, "|Real Club Puerto Alcázar|0 - 0|Unión Deportiva Vallehondo|0|",
                                "|Atlético Santa Olaya|0 - 0|Club Deportivo Torrealba|0|"};
        for (const char *how : {"dialog", "command line", "drop"})
            QTest::newRow(qPrintable(QStringLiteral("three samples, %1").arg(how))) << how << Round << three << QString();
        QTest::newRow("one sample: a single match") << "dialog" << Round.mid(0, 1) << QStringList() << QString();
        QTest::newRow("the first cannot be opened: the second is followed")
            << "command line" << QStringList{"falta.txt", Round[0]} << QStringList{"|No se pudo abrir: falta.txt||||", "►|" + arenales}
            << QString();
        QStringList many;
        for (int i = 0; i < 41; ++i)
            many << QStringLiteral("informe%1.txt").arg(i);
        QTest::newRow("41 reports are refused") << "command line" << many << QStringList()
            << "Una jornada puede tener como máximo 40 partidos; se han elegido 41 informes.";
    }

    void opening()
    {
        QFETCH(QString, how);
        QFETCH(QStringList, paths);
        QFETCH(QString, notice);
        for (QString &path : paths)
            path = QDir(m_dir->path()).absoluteFilePath(path);
        if (how == u"dialog") {
            answerNext(part<CommonDialog>("Archivo"), [paths](QDialog *dialog) {
                auto *files = static_cast<QFileDialog *>(dialog);
                QStringList names;
                for (const QString &path : paths)
                    names << '"' + QFileInfo(path).fileName() + '"';
                files->setDirectory(QFileInfo(paths.first()).path());
                files->selectFile(names.join(u' '));
                return true;
            });
            activate();
            QTest::keyClick(m_window.get(), Qt::Key_J, Qt::ControlModifier);
        } else if (how == u"drop") {
            QList<QUrl> urls;
            for (const QString &path : paths)
                urls << QUrl::fromLocalFile(path);
            QVERIFY(drop(urls));
        } else {
            m_window->openReports(paths);
        }
        QTEST(rows(), "rows");
        QCOMPARE(takeNotices().join(u'\n'), notice);
        QCOMPARE(jornada() && jornada()->isVisible(), rows().size() > 0);
        // The mark is told in words.
        if (const int followed = m_window->jornada() ? m_window->jornada()->followedRow() : -1; followed >= 0) {
            QAccessibleTableInterface *cells = QAccessible::queryAccessibleInterface(table())->tableInterface();
            QCOMPARE(cells->cellAt(followed, 0)->text(QAccessible::Name), "En pantalla");
        }
        QCOMPARE(mismatch(), QString());

        QCOMPARE(part<QAction>("Ver_Jornada")->isEnabled(), rows().size() > 0);
        m_window->openReports({Round[1]});
        QVERIFY(!m_window->jornada() && (!jornada() || !jornada()->isVisible()) && !part<QAction>("Ver_Jornada")->isEnabled());
        QCOMPARE(text("Label4"), "Real Club Puerto Alcázar");
    }

    // Followed by double-click or Enter, a match shows whole in the main
    // window as the round holds it, its header before the first start, and
    // plays on there to the end with the others.
    void follow_data()
    {
        QTest::addColumn<bool>("started");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<bool>("byKey");

        QTest::newRow("before the start, double-click") << false << 0 << false;
        QTest::newRow("mid-match, Enter") << true << 120 << true;
    }

    void follow()
    {
        QFETCH(bool, started);
        QFETCH(int, ticks);
        QFETCH(bool, byKey);
        m_window->openReports(Round);
        if (started)
            toolbarButton(*m_window, 2)->trigger();
        tick(ticks);
        if (byKey) {
            table()->setCurrentCell(2, 1);
            QTest::keyClick(table(), Qt::Key_Return);
        } else {
            const QRect cell = table()->visualRect(table()->model()->index(2, 1));
            // A double-click comes after the press and release of its first click.
            QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, cell.center());
        }
        QCOMPARE(m_window->jornada()->followedRow(), 2);
        QCOMPARE(rows().at(2).left(1) + rows().at(0).left(1), "►|");
        QCOMPARE(mismatch(), QString());
        QCOMPARE(part<PictureBox>("Cuadro_Principal")->text().isEmpty(), started);
        QCOMPARE(part<QWidget>("Label2")->isVisibleTo(m_window.get()), started);
        if (!started)
            toolbarButton(*m_window, 2)->trigger();
        for (int stop = 0; stop < 3 && !m_window->jornada()->finished(); ++stop) {
            playToStop(*m_window);
            toolbarButton(*m_window, 2)->trigger();
        }
        QCOMPARE(mismatch(), QString());
        QCOMPARE(text("Label1"), "90");
    }

    // With "Seguir los goles" the round goes to the ground of the next goal
    // with a banner naming the match, and the main window follows; the goal's
    // row is lit until its timer runs out, and the banner goes as well.
    void goals()
    {
        m_window->openReports(Round);
        auto *carrusel = part<QCheckBox>("Seguir_Goles");
        QVERIFY(!carrusel->isChecked() && !m_window->jornada()->carrusel());
        carrusel->click();
        QVERIFY(m_window->jornada()->carrusel());
        toolbarButton(*m_window, 2)->trigger();
        auto *banner = part<QLabel>("Aviso_Gol");
        for (int i = 0; i < 5000 && !banner->isVisible(); ++i)
            m_window->Timer1_Timer();
        const int ground = m_window->jornada()->followedRow();
        QVERIFY(ground > 0);
        const RoundRow row = m_window->jornada()->row(ground);
        QCOMPARE(banner->text(), "¡Atención, gol en " + row.home + " - " + row.away + "!");
        QCOMPARE(mismatch(), QString());
        for (int i = 0; i < 50 && !jornada()->lit(ground); ++i)
            m_window->Timer1_Timer();
        QVERIFY(jornada()->lit(ground) && table()->item(ground, 1)->background().style() != Qt::NoBrush);
        QMetaObject::invokeMethod(part<QTimer>(QStringLiteral("Resalte_%1").arg(ground)), "timeout");
        QMetaObject::invokeMethod(part<QTimer>("Aviso_Tiempo"), "timeout");
        QVERIFY(!jornada()->lit(ground) && !banner->isVisible());
        carrusel->click();
        QVERIFY(!m_window->jornada()->carrusel());
    }

    // At the end every result is shown with its scorers and copied as the
    // round writes it; the statistics are the followed match's.
    void results()
    {
        m_window->openReports(Round);
        auto *copy = part<QPushButton>("Copiar_Resultados");
        toolbarButton(*m_window, 2)->trigger();
        QVERIFY(!copy->isEnabled() && !part<QWidget>("Resultados")->isVisibleTo(jornada()));
        playToStop(*m_window);
        toolbarButton(*m_window, 2)->trigger();
        playToStop(*m_window);
        const QString results = m_window->jornada()->resultsText();
        QCOMPARE(results.count(u'\n'), 3);
        QCOMPARE(part<QPlainTextEdit>("Resultados")->toPlainText(), results);
        copy->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), results);
        QVERIFY(toolbarButton(*m_window, 4)->isEnabled());
        QCOMPARE(part<CommonDialog>("Archivo")->FileName, Round[0]);
    }

    // The window opens where it was left in an earlier run, beside the main
    // window when nothing usable was kept; closed, it keeps its place, and
    // "Ver Jornada" brings it back there.
    void place_data()
    {
        QTest::addColumn<QByteArray>("kept");
        QTest::addColumn<bool>("used");

        QTest::newRow("nothing kept") << QByteArray() << false;
        QTest::newRow("kept") << QByteArray("30 40 500 300\n") << true;
        QTest::newRow("damaged") << QByteArray("30 cuarenta 500 300\n") << false;
        QTest::newRow("off every screen") << QByteArray("-9000 40 500 300\n") << false;
    }

    void place()
    {
        QFETCH(QByteArray, kept);
        QFETCH(bool, used);
        const QString file = QFileInfo(recentReportsPath()).path() + "/jornada.txt";
        if (!kept.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(file).path()));
            writeFile(file, kept);
        }
        m_window->show();
        m_window->openReports(Round);
        // Beside the main window, as far as the screen has room.
        const QRect screen = m_window->screen()->availableGeometry();
        const int left = qMin(m_window->frameGeometry().right() + 9, screen.right() + 1 - jornada()->width());
        const QPoint beside(qMax(screen.left(), left), m_window->frameGeometry().top());
        QCOMPARE(used ? jornada()->geometry().topLeft() : jornada()->frameGeometry().topLeft(), used ? QPoint(30, 40) : beside);
        jornada()->setGeometry(60, 70, 520, 310);
        jornada()->close();
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), "60 70 520 310\n");
        // "Ver Jornada" brings it back where it was.
        part<QAction>("Ver_Jornada")->trigger();
        QVERIFY(jornada()->isVisible());
        QCOMPARE(jornada()->geometry(), QRect(60, 70, 520, 310));
    }
};

QTEST_MAIN(TestJornada)
#include "tst_jornada.moc"
