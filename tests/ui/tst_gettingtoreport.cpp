#include "formfixture.h"
#include "kit/commondialog.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QUrl>

#include <sys/stat.h>

namespace {

QByteArray report(const QByteArray &home)
{
    return "LIGA\r\n" + home + " (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor\r\nComentarios\r\n"
           "Min  1: Empieza el partido.\r\nResultado final: 0 - 0\r\n";
}

} // namespace

// Reports reaching the main window other than through the open dialog: named
// on the command line, dropped on it, or chosen from "Recientes".
class TestGettingToReport : public FormFixture
{
    Q_OBJECT

    // The report the window holds, by its file name.
    QString opened() { return QFileInfo(part<CommonDialog>("Archivo")->FileName).fileName(); }
    QMenu *recientes() { return part<QMenu>("Recientes"); }
    // The entries' captions, without the separator and "Vaciar lista" after them.
    QStringList recentEntries()
    {
        QStringList captions;
        for (QAction *action : recientes()->actions().mid(0, recientes()->actions().size() - 2))
            captions << action->text();
        return captions;
    }

private slots:
    void init()
    {
        newFolder();
        writeFile(file("rio.txt"), report("Atlético Río"));
        QCOMPARE(::mkfifo(QFile::encodeName(file("tuberia")).constData(), 0600), 0);
    }

    void cleanup() { QCOMPARE(takeNotices(), QStringList()); }

    // The same names on the command line and in a drop. A drop is refused
    // whole, and nothing is opened, when anything in it is no file (a pipe
    // here; a folder takes the same way, and why a report is refused is the
    // reader's test).
    void openTogether_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<bool>("dropTaken");

        const QString failed = QStringLiteral("No se pudo abrir «%1»: %2.");
        QTest::newRow("one report") << QStringList{"rio.txt"} << "rio.txt" << QString() << true;
        QTest::newRow("a pipe") << QStringList{"tuberia"} << "tuberia" << failed.arg("tuberia", "no se puede leer") << false;
        QTest::newRow("a report, then a pipe") << QStringList{"rio.txt", "tuberia"} << "rio.txt" << QString() << false;
    }

    void openTogether()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, opened);
        QFETCH(QString, notice);
        QFETCH(bool, dropTaken);
        const QStringList expectedNotices = notice.isEmpty() ? QStringList() : QStringList{notice};
        QStringList paths;
        QList<QUrl> urls;
        for (const QString &name : names) {
            paths << file(name);
            urls << QUrl::fromLocalFile(file(name));
        }

        m_window->openReports(paths);
        QCOMPARE(this->opened(), opened);
        QCOMPARE(takeNotices(), expectedNotices);
        // Whatever failed, the window goes on opening reports.
        m_window->openReports({file("rio.txt")});
        QVERIFY(m_window->partido().reportOpen());

        restart();
        QCOMPARE(drop(urls), dropTaken);
        QCOMPARE(this->opened(), dropTaken ? opened : QString());
        QCOMPARE(takeNotices(), dropTaken ? expectedNotices : QStringList());
    }

    void dropRefused()
    {
        QVERIFY(!drop({QUrl(QStringLiteral("https://liga.example/partido.txt"))}));
        QVERIFY(!drop({QUrl::fromLocalFile(file("rio.txt"))}, Qt::MoveAction));
        QCOMPARE(opened(), QString());
    }

    void recentReports()
    {
        QCOMPARE(part<QMenu>("Archivo3")->actions().at(1)->menu(), recientes());
        QStringList expected;
        for (int i = 1; i <= 9; ++i) {
            const QString name = QStringLiteral("r%1 & co.txt").arg(i);
            writeFile(file(name), i == 9 ? QByteArray("sin equipos\r\n") : report("Club " + QByteArray::number(i)));
            m_window->openReports({file(name)});
            expected.prepend(QStringLiteral("r%1 && co.txt — Club %1 - Club Sierra").arg(i));
        }
        QCOMPARE(takeNotices().size(), 1);
        expected[0] = QStringLiteral("r9 && co.txt");
        for (int i = 0; i < 8; ++i)
            expected[i].prepend(QStringLiteral("&%1 ").arg(i + 1));
        expected.removeLast();

        // Kept for the next start; choosing an entry opens it and puts it first.
        restart();
        QCOMPARE(recentEntries(), expected);
        recientes()->actions().at(4)->trigger();
        QCOMPARE(opened(), QStringLiteral("r5 & co.txt"));
        QVERIFY(recentEntries().first().startsWith(u"&1 r5 && co.txt"));

        // One deleted since is taken off with a word, and the match on show stays.
        QVERIFY(QFile::remove(file("r8 & co.txt")));
        recientes()->actions().at(2)->trigger();
        QCOMPARE(takeNotices(), QStringList{"«r8 & co.txt» ya no existe y se quita de la lista."});
        QCOMPARE(opened(), QStringLiteral("r5 & co.txt"));
        QCOMPARE(recentEntries().size(), 7);

        recientes()->findChild<QAction *>(QStringLiteral("Vaciar_Lista"))->trigger();
        QVERIFY(!recientes()->menuAction()->isEnabled());
        restart();
        QCOMPARE(recentEntries(), QStringList());
        // The list is not kept in the settings file.
        QVERIFY(!QFile::exists(file("TPZ.INI")));
    }
};

QTEST_MAIN(TestGettingToReport)
#include "tst_gettingtoreport.moc"
