#include "formfixture.h"
#include "kit/commondialog.h"

#include <QFileInfo>
#include <QMenu>
#include <QUrl>

#include <sys/stat.h>

static QByteArray report(const QByteArray &home)
{
    return "LIGA\r\n" + home + " (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor\r\nComentarios\r\n"
           "Min  1: Empieza el partido.\r\nResultado final: 0 - 0\r\n";
}

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

    // The same name on the command line and in a drop. A drop is refused,
    // and nothing is opened, when anything in it is no file (a pipe here; a
    // folder takes the same way, and why a report is refused is the
    // reader's test).
    void openTogether_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("notices");
        QTest::newRow("a report") << "rio.txt" << QStringList();
        QTest::newRow("a pipe") << "tuberia" << QStringList{"No se pudo abrir «tuberia»: no se puede leer."};
    }

    void openTogether()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, notices);
        m_window->openReports({file(name)});
        QCOMPARE(opened(), name);
        QCOMPARE(takeNotices(), notices);
        // Whatever failed, the window goes on opening reports.
        m_window->openReports({file("rio.txt")});
        QVERIFY(m_window->partido().reportOpen());

        restart();
        QCOMPARE(drop({QUrl::fromLocalFile(file(name))}), notices.isEmpty());
        QCOMPARE(opened(), notices.isEmpty() ? name : QString());
    }

    void dropRefused()
    {
        QVERIFY(!drop({QUrl(QStringLiteral("https://liga.example/partido.txt"))}));
        QVERIFY(!drop({QUrl::fromLocalFile(file("rio.txt"))}, Qt::MoveAction));
        QCOMPARE(opened(), QString());
    }

    // "Recientes" keeps the reports opened for the next start, the newest
    // first, each by its file name (an ampersand shown as itself) and its
    // teams; how many it keeps is the list's own test.
    void recentReports()
    {
        QCOMPARE(part<QMenu>("Archivo3")->actions().at(1)->menu(), recientes());
        for (int i = 1; i <= 3; ++i) {
            const QString name = file(QStringLiteral("r%1 & co.txt").arg(i));
            writeFile(name, i == 3 ? QByteArray("sin equipos\r\n") : report("Club " + QByteArray::number(i)));
            m_window->openReports({name});
        }
        QCOMPARE(takeNotices().size(), 1);
        restart();
        QCOMPARE(recentEntries(), (QStringList{"&1 r3 && co.txt", "&2 r2 && co.txt — Club 2 - Club Sierra", "&3 r1 && co.txt — Club 1 - Club Sierra"}));
        // Choosing an entry opens it and puts it first.
        recientes()->actions().at(2)->trigger();
        QCOMPARE(opened(), QStringLiteral("r1 & co.txt"));
        QVERIFY(recentEntries().first().startsWith(u"&1 r1 && co.txt"));

        // One deleted since is taken off with a word, and the match on show stays.
        QVERIFY(QFile::remove(file("r2 & co.txt")));
        recientes()->actions().at(2)->trigger();
        QCOMPARE(takeNotices(), QStringList{"«r2 & co.txt» ya no existe y se quita de la lista."});
        QCOMPARE(opened(), QStringLiteral("r1 & co.txt"));
        QCOMPARE(recentEntries().size(), 2);

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
