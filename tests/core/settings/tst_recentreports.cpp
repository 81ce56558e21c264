#include "settings/recentreports.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using Entries = QList<RecentReport>;

// The list file as hostile input, and a list kept when its file fails. The
// order and the bound are seen through the window's menu.
class TestRecentReports : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }

private slots:
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Entries>("expected");

        QTest::newRow("lines the program would not write are skipped")
            << QByteArray("no tab\nrelative.txt\tA - B\n/nul") + '\0' + ".txt\tA\n/bad\xff.txt\tA\n/a.txt\tA\x01 - B\n/"
                   + QByteArray(5000, 'x') + "\tA\n/t\tab.txt\tA - B\r\n/t\tab.txt\tagain\n/b.txt\t\n"
            << Entries{{"/t\tab.txt", "A - B"}, {"/b.txt", ""}};
        QByteArray ten;
        for (int i = 0; i < 10; ++i)
            ten += '/' + QByteArray::number(i) + "\t\n";
        QTest::newRow("ten lines: the first eight") << ten << RecentReports::parse(ten.first(8 * 4));
        QTest::newRow("a line of a megabyte: nothing after it is read")
            << QByteArray(1 << 20, 'x') + "\n/a.txt\t\n" << Entries{};
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Entries, expected);
        QFile file(path("recientes.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QCOMPARE(RecentReports(file.fileName()).entries(), expected);
    }

    // What is added reads back as one entry of one line.
    void addedAsOneLine()
    {
        RecentReports list(path("config/recientes.txt"));
        list.add(QStringLiteral("/x/../a.txt"), QStringLiteral("Otra\tvez\n"));
        list.add(QStringLiteral("/con\nsalto.txt"), QString());
        QCOMPARE(RecentReports(path("config/recientes.txt")).entries(), (Entries{{"/a.txt", "Otra vez "}}));
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
        QTest::newRow("a pipe in its place") << "tuberia" << true;
    }

    void unusableFile()
    {
        QFETCH(QString, file);
        QFETCH(bool, saved);
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("carpeta")));
        QCOMPARE(::mkfifo(qPrintable(path("tuberia")), 0600), 0);

        RecentReports list(path(file));
        QCOMPARE(bool(list.add(QStringLiteral("/a.txt"), QStringLiteral("A - B"))), saved);
        QCOMPARE(bool(list.add(QStringLiteral("/b.txt"), QString())), saved);
        QCOMPARE(list.entries(), (Entries{{"/b.txt", ""}, {"/a.txt", "A - B"}}));
    }
};

QTEST_GUILESS_MAIN(TestRecentReports)
#include "tst_recentreports.moc"
