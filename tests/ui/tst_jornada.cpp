#include "formfixture.h"
#include "jornada.h"
#include "kit/picturebox.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>


// A round in the main window and the "Jornada" window beside it: how it is
// opened, that the main window shows the followed match as the round has it
// before and after a switch, the goals followed, the results at the end and
// where the window is kept. The round's own rules (rows of reports that
// cannot be opened, the bound, where each match stands) are its controller's
// test.
class TestJornada : public FormFixture
{
    Q_OBJECT

    Jornada *jornada() { return part<Jornada>("Jornada"); }
    QTableWidget *table() { return part<QTableWidget>("Partidos"); }
    QString cell(int row, int column) { return table()->item(row, column)->text(); }
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

private slots:
    void init() { newFolder(); }
    void cleanup() { QCOMPARE(takeNotices(), QStringList()); }

    // Several reports chosen with Ctrl+J make a round, the first followed and
    // its mark told in words; a choice of too many is refused with a word and
    // the round stays. A single match opened afterwards leaves the round.
    void opening()
    {
        answerNext(part<CommonDialog>("Archivo"), [](QDialog *dialog) {
            static_cast<QFileDialog *>(dialog)->setDirectory(Samples);
            static_cast<QFileDialog *>(dialog)->selectFile(
                R"("arenales-penascal.txt" "puerto_alcazar-vallehondo.txt" "santa_olaya-torrealba.txt")");
            return true;
        });
        activate();
        QTest::keyClick(m_window.get(), Qt::Key_J, Qt::ControlModifier);
        QVERIFY(jornada()->isVisible() && part<QAction>("Ver_Jornada")->isEnabled());
        QCOMPARE(cell(0, 0) + cell(0, 1) + cell(2, 1), "►Racing Club ArenalesAtlético Santa Olaya");
        QAccessibleTableInterface *cells = QAccessible::queryAccessibleInterface(table())->tableInterface();
        QCOMPARE(cells->cellAt(0, 0)->text(QAccessible::Name), "En pantalla");
        QCOMPARE(mismatch(), QString());

        QStringList many;
        for (int i = 0; i < 41; ++i)
            many << file(QStringLiteral("informe%1.txt").arg(i));
        m_window->openReports(many);
        QCOMPARE(takeNotices(), QStringList{"Una jornada puede tener como máximo 40 partidos; se han elegido 41 informes."});
        QCOMPARE(table()->rowCount(), 3);

        m_window->openReports({Round[1]});
        QVERIFY(!m_window->jornada() && (!jornada() || !jornada()->isVisible()) && !part<QAction>("Ver_Jornada")->isEnabled());
        QCOMPARE(text("Label4"), "Real Club Puerto Alcázar");
    }

    // Followed by double-click before the start or by Enter mid-match, a
    // match shows whole in the main window as the round holds it, its header
    // before the first start, and plays on there to the end with the others.
    // Then the results are shown and copied as the round writes them, and
    // the statistics are the followed match's.
    void follow()
    {
        m_window->openReports(Round);
        const QPoint centre = table()->visualRect(table()->model()->index(2, 1)).center();
        // A double-click comes after the press and release of its first click.
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, centre);
        QCOMPARE(cell(2, 0) + cell(0, 0), "►");
        QCOMPARE(mismatch(), QString());
        QVERIFY(!part<PictureBox>("Cuadro_Principal")->text().isEmpty());
        click(2);
        for (int i = 0; i < 120; ++i)
            m_window->Timer1_Timer();
        table()->setCurrentCell(1, 1);
        QTest::keyClick(table(), Qt::Key_Return);
        QCOMPARE(m_window->jornada()->followedRow(), 1);
        QCOMPARE(mismatch(), QString());
        auto *copy = part<QPushButton>("Copiar_Resultados");
        QVERIFY(!copy->isEnabled());
        for (int stop = 0; stop < 3 && !m_window->jornada()->finished(); ++stop) {
            click(2);
            playToStop(*m_window);
        }
        QCOMPARE(mismatch(), QString());
        QCOMPARE(part<QPlainTextEdit>("Resultados")->toPlainText(), m_window->jornada()->resultsText());
        copy->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), m_window->jornada()->resultsText());
        QVERIFY(toolbarButton(*m_window, 4)->isEnabled());
    }

    // With "Seguir los goles" the round goes to the ground of the next goal
    // with a banner naming the match, and the main window follows; the goal's
    // row is lit, and the banner goes when its timer runs out.
    void goals()
    {
        m_window->openReports(Round);
        part<QCheckBox>("Seguir_Goles")->click();
        QVERIFY(m_window->jornada()->carrusel());
        click(2);
        auto *banner = part<QLabel>("Aviso_Gol");
        for (int i = 0; i < 5000 && !banner->isVisible(); ++i)
            m_window->Timer1_Timer();
        const int ground = m_window->jornada()->followedRow();
        QVERIFY(ground > 0);
        QCOMPARE(banner->text(), "¡Atención, gol en " + cell(ground, 1) + " - " + cell(ground, 3) + "!");
        QCOMPARE(mismatch(), QString());
        for (int i = 0; i < 50 && !jornada()->lit(ground); ++i)
            m_window->Timer1_Timer();
        QVERIFY(jornada()->lit(ground) && table()->item(ground, 1)->background().style() != Qt::NoBrush);
        QMetaObject::invokeMethod(part<QTimer>("Aviso_Tiempo"), "timeout");
        QVERIFY(!banner->isVisible());
    }

    // The window opens beside the main window, as far as the screen has
    // room, when nothing was kept; closed, it keeps its place, which "Ver
    // Jornada" and the next start bring it back to.
    void place()
    {
        m_window->show();
        m_window->openReports(Round);
        const QRect screen = m_window->screen()->availableGeometry();
        const int left = qMin(m_window->frameGeometry().right() + 9, screen.right() + 1 - jornada()->width());
        QCOMPARE(jornada()->frameGeometry().topLeft(), QPoint(qMax(screen.left(), left), m_window->frameGeometry().top()));
        jornada()->setGeometry(60, 70, 520, 310);
        jornada()->close();
        part<QAction>("Ver_Jornada")->trigger();
        QVERIFY(jornada()->isVisible());
        QCOMPARE(jornada()->geometry(), QRect(60, 70, 520, 310));
        restart();
        m_window->show();
        m_window->openReports(Round);
        QCOMPARE(jornada()->geometry(), QRect(60, 70, 520, 310));
    }
};

QTEST_MAIN(TestJornada)
#include "tst_jornada.moc"
