#include "settings/recentreports.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using Entries = QList<RecentReport>;

// The list of recent reports and its file: the order, the bound, and files
// that are damaged, foreign or cannot be written.
class TestRecentReports : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

    static void write(const QString &file, const QByteArray &bytes)
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
    }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_dir.path()));
    }

    // Each line the program writes reads back as it was; a line it would not
    // write is skipped and the lines around it are kept.
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Entries>("expected");

        const RecentReport a{"/informes/Jornada 1/a.txt", QStringLiteral("Atlético Río - Club Sierra")};
        const RecentReport b{"/informes/tab\there.txt", ""};
        QTest::newRow("two lines, a tab in a path, no match")
            << RecentReports::format({a, b}) << Entries{a, b};
        QTest::newRow("lines of another system's ends") << QByteArray("/a.txt\tA - B\r\n/b.txt\t\r\n")
                                                        << Entries{{"/a.txt", "A - B"}, {"/b.txt", ""}};
        QTest::newRow("foreign lines skipped")
            << QByteArray("no tab\nrelative.txt\tA - B\n\tA - B\n/nul") + '\0'
                   + ".txt\tA\n/bad\xff.txt\tA\n/a.txt\tA\x01 - B\n/" + QByteArray(5000, 'x')
                   + "\tA\n/ok.txt\tA - B\n/ok.txt\tdouble\n"
            << Entries{{"/ok.txt", "A - B"}};
        QByteArray ten;
        Entries eight;
        for (int i = 0; i < 10; ++i) {
            ten += QByteArray("/") + QByteArray::number(i) + ".txt\t\n";
            if (i < 8)
                eight << RecentReport{QStringLiteral("/%1.txt").arg(i), ""};
        }
        QTest::newRow("ten lines: the first eight") << ten << eight;
        QTest::newRow("a megabyte of one line, then entries")
            << QByteArray(1 << 20, 'x') + "\n/a.txt\t\n" << Entries{};
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Entries, expected);
        write(path("recientes.txt"), bytes);
        QCOMPARE(RecentReports(path("recientes.txt")).entries(), expected);
    }

    void newestFirstAndBounded()
    {
        RecentReports list(path("config/recientes.txt"));
        QVERIFY(list.entries().isEmpty());
        for (int i = 1; i <= 9; ++i)
            QVERIFY(list.add(QStringLiteral("/r%1.txt").arg(i), QStringLiteral("A%1 - B").arg(i)));
        QVERIFY(list.add(QStringLiteral("/x/../r5.txt"), QStringLiteral("Otra\tvez\n")));
        list.add(QStringLiteral("/con\nsalto.txt"), QString());

        const Entries expected{{"/r5.txt", "Otra vez "}, {"/r9.txt", "A9 - B"}, {"/r8.txt", "A8 - B"},
                               {"/r7.txt", "A7 - B"},    {"/r6.txt", "A6 - B"}, {"/r4.txt", "A4 - B"},
                               {"/r3.txt", "A3 - B"},    {"/r2.txt", "A2 - B"}};
        QCOMPARE(list.entries(), expected);
        QCOMPARE(RecentReports(path("config/recientes.txt")).entries(), expected);
        QVERIFY(list.remove(QStringLiteral("/r9.txt")));
        QCOMPARE(RecentReports(path("config/recientes.txt")).entries().size(), 7);
        QVERIFY(list.clear());
        QCOMPARE(RecentReports(path("config/recientes.txt")).entries(), Entries{});
    }

    // Two runs of the program: each adds to what the other saved.
    void otherRunsKept()
    {
        RecentReports first(path("recientes.txt"));
        RecentReports second(path("recientes.txt"));
        first.add(QStringLiteral("/a.txt"), QString());
        second.add(QStringLiteral("/b.txt"), QString());
        QCOMPARE(second.entries(), (Entries{{"/b.txt", ""}, {"/a.txt", ""}}));
    }

    // A list file that cannot be read or saved: the list is kept for this run.
    // A pipe in its place is never read, and is replaced by the list.
    void unusableFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("saved");
        QTest::newRow("a folder in its place") << "carpeta" << false;
        QTest::newRow("its folder is a file") << "archivo/recientes.txt" << false;
        QTest::newRow("a pipe in its place") << "tuberia" << true;
    }

    void unusableFile()
    {
        QFETCH(QString, file);
        QFETCH(bool, saved);
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("carpeta")));
        QCOMPARE(::mkfifo(qPrintable(path("tuberia")), 0600), 0);
        write(path("archivo"), "x");

        RecentReports list(path(file));
        QCOMPARE(bool(list.add(QStringLiteral("/a.txt"), QStringLiteral("A - B"))), saved);
        QCOMPARE(bool(list.add(QStringLiteral("/b.txt"), QString())), saved);
        QCOMPARE(list.entries(), (Entries{{"/b.txt", ""}, {"/a.txt", "A - B"}}));
    }
};

QTEST_GUILESS_MAIN(TestRecentReports)
#include "tst_recentreports.moc"
