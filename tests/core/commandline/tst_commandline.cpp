#include "commandline/commandline.h"

#include <QTest>

Q_DECLARE_METATYPE(CommandLine)

// What the arguments ask for; the texts printed are checked on the program
// itself (tests/CMakeLists.txt).
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void read_data()
    {
        using A = CommandLine::Action;
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine>("expected");

        QTest::newRow("nothing: the window alone") << QStringList{} << CommandLine{};
        QTest::newRow("reports in their order, blanks kept")
            << QStringList{"b.txt", "/x/a b.txt"} << CommandLine{A::Open, {"b.txt", "/x/a b.txt"}, {}};
        QTest::newRow("an empty argument names nothing") << QStringList{"", "a.txt"} << CommandLine{A::Open, {"a.txt"}, {}};
        QTest::newRow("after --, names starting with -")
            << QStringList{"--", "-a.txt", "--help"} << CommandLine{A::Open, {"-a.txt", "--help"}, {}};
        QTest::newRow("a lone - is a file") << QStringList{"-"} << CommandLine{A::Open, {"-"}, {}};
        QTest::newRow("help anywhere, reports dropped") << QStringList{"a.txt", "-x", "-v", "-h"} << CommandLine{A::Help, {}, {}};
        QTest::newRow("version") << QStringList{"--version", "a.txt"} << CommandLine{A::Version, {}, {}};
        QTest::newRow("the first option not understood")
            << QStringList{"a.txt", "--ayuda", "-x"} << CommandLine{A::Unknown, {}, "--ayuda"};
    }

    void read()
    {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine, expected);
        QCOMPARE(readCommandLine(arguments), expected);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
