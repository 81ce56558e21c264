#include "report/reportreader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Encoding = ReportReader::Encoding;

namespace {

constexpr qsizetype Chunk = 64 * 1024;

// Reads every line the way the report procedures do: an end test before each
// read after the first, which must agree with the read itself.
QStringList readAll(ReportReader &reader)
{
    QStringList lines;
    QString line;
    while (true) {
        const bool end = reader.atEnd();
        const bool got = reader.readLine(line);
        if (got == end) {
            qWarning("atEnd() and readLine() disagree after %lld lines", qlonglong(lines.size()));
            return {};
        }
        if (!got)
            return lines;
        lines << line;
    }
}

} // namespace

class TestReportReader : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void chunkBoundary_data();
    void chunkBoundary();
    void longLine();
    void binaryFile();
    void largeFile();
    void missingFile();
    void directoryIsNoReport();
    void reopenStartsAfresh();
    void closedReaderReadsNothing();
};

void TestReportReader::lines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<Encoding>("encoding");

    QTest::newRow("windows-1252 accents and marks")
        << QByteArray("\xbfQu\xe9 pas\xf3?\r\n\xa1Gol de Pe\xf1" "a!\r\nM\xe1s\r\n")
        << QStringList{u"¿Qué pasó?"_qs, u"¡Gol de Peña!"_qs, u"Más"_qs} << Encoding::Windows1252;
    QTest::newRow("windows-1252 euro and curly quotes")
        << QByteArray("\x80 5 \x93" "cita\x94\r\n")
        << QStringList{u"€ 5 “cita”"_qs} << Encoding::Windows1252;
    QTest::newRow("utf-8 without byte-order mark")
        << QByteArray("Atl\xc3\xa9tico \xc2\xbf\xc3\xb1? \xe2\x82\xac\r\nB\r\n")
        << QStringList{u"Atlético ¿ñ? €"_qs, u"B"_qs} << Encoding::Utf8;
    QTest::newRow("utf-8 with byte-order mark")
        << QByteArray("\xef\xbb\xbfPe\xc3\xb1" "a\r\nB\r\n")
        << QStringList{u"Peña"_qs, u"B"_qs} << Encoding::Utf8;
    QTest::newRow("byte-order mark before plain ASCII")
        << QByteArray("\xef\xbb\xbf" "ABC\n") << QStringList{u"ABC"_qs} << Encoding::Utf8;
    QTest::newRow("plain ASCII")
        << QByteArray("Min  1: Saque\r\n") << QStringList{u"Min  1: Saque"_qs} << Encoding::Windows1252;
    QTest::newRow("one invalid UTF-8 byte makes the file windows-1252")
        << QByteArray("Pe\xc3\xb1" "a \xe1\r\n") << QStringList{u"PeÃ±a á"_qs} << Encoding::Windows1252;
    QTest::newRow("utf-8 cut short at the end is windows-1252")
        << QByteArray("Pe\xc3\xb1" "a \xe2\x82") << QStringList{u"PeÃ±a â‚"_qs} << Encoding::Windows1252;
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"} << Encoding::Windows1252;
    QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"} << Encoding::Windows1252;
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"} << Encoding::Windows1252;
    QTest::newRow("mixed line ends")
        << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"} << Encoding::Windows1252;
    QTest::newRow("LF then CR ends two lines")
        << QByteArray("a\n\rb") << QStringList{"a", "", "b"} << Encoding::Windows1252;
    QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{"a", "b"} << Encoding::Windows1252;
    QTest::newRow("final line end gives no extra line")
        << QByteArray("a\r\n") << QStringList{"a"} << Encoding::Windows1252;
    QTest::newRow("empty lines kept")
        << QByteArray("a\r\n\r\n\r\nb\r\n\r\n") << QStringList{"a", "", "", "b", ""} << Encoding::Windows1252;
    QTest::newRow("a line end alone is one empty line")
        << QByteArray("\r\n") << QStringList{""} << Encoding::Windows1252;
    QTest::newRow("blanks are kept") << QByteArray("  a  \r\n") << QStringList{"  a  "} << Encoding::Windows1252;
    QTest::newRow("empty file") << QByteArray() << QStringList{} << Encoding::Windows1252;
}

void TestReportReader::lines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QFETCH(Encoding, encoding);

    ReportReader fromMemory;
    QVERIFY(fromMemory.openBytes(bytes));
    QCOMPARE(fromMemory.encoding(), encoding);
    QCOMPARE(readAll(fromMemory), expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("partido.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    ReportReader fromFile;
    QVERIFY(fromFile.open(file.fileName()));
    QVERIFY(fromFile.isOpen());
    QCOMPARE(fromFile.encoding(), encoding);
    QCOMPARE(readAll(fromFile), expected);
}

void TestReportReader::chunkBoundary_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<Encoding>("encoding");

    const QByteArray fill(Chunk - 1, 'x');
    const QString fillText(Chunk - 1, u'x');

    // The CR is the last byte of the first chunk, its LF the first of the next.
    QTest::newRow("CR LF split, windows-1252")
        << fill + "\r\ny" << QStringList{fillText, u"y"_qs} << Encoding::Windows1252;
    QTest::newRow("CR LF split, utf-8")
        << "\xc3\xa9" + QByteArray(Chunk - 3, 'x') + "\r\ny"
        << QStringList{u"é"_qs + QString(Chunk - 3, u'x'), u"y"_qs} << Encoding::Utf8;
    QTest::newRow("lone CR as the last byte of the first chunk")
        << fill + "\ry" << QStringList{fillText, u"y"_qs} << Encoding::Windows1252;
    QTest::newRow("two-byte sequence split")
        << fill + "\xc3\xa9z" << QStringList{fillText + u"éz"_qs} << Encoding::Utf8;
    QTest::newRow("three-byte sequence split after its first byte")
        << fill + "\xe2\x82\xac" << QStringList{fillText + u"€"_qs} << Encoding::Utf8;
    QTest::newRow("three-byte sequence split after its second byte")
        << QByteArray(Chunk - 2, 'x') + "\xe2\x82\xac"
        << QStringList{QString(Chunk - 2, u'x') + u"€"_qs} << Encoding::Utf8;
    QTest::newRow("invalid byte in the second chunk")
        << "\xc3\xa9" + QByteArray(2 * Chunk, 'x') + "\xe9"
        << QStringList{u"Ã©"_qs + QString(2 * Chunk, u'x') + u"é"_qs} << Encoding::Windows1252;
}

void TestReportReader::chunkBoundary()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    QFETCH(Encoding, encoding);

    ReportReader reader;
    QVERIFY(reader.openBytes(bytes));
    QCOMPARE(reader.encoding(), encoding);
    const QStringList lines = readAll(reader);
    QCOMPARE(lines.size(), expected.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        QVERIFY2(lines.at(i) == expected.at(i), qPrintable(QStringLiteral("line %1").arg(i + 1)));
}

void TestReportReader::longLine()
{
    const QByteArray bytes = QByteArray(1'000'000, 'a') + "\r\nfin\r\n";
    ReportReader reader;
    QVERIFY(reader.openBytes(bytes));
    const QStringList lines = readAll(reader);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0), QString(1'000'000, u'a'));
    QCOMPARE(lines.at(1), u"fin"_qs);
}

void TestReportReader::binaryFile()
{
    QByteArray bytes;
    for (int round = 0; round < 1000; ++round) {
        for (int b = 0; b < 256; ++b)
            bytes.append(char(b));
    }
    ReportReader reader;
    QVERIFY(reader.openBytes(bytes));
    QCOMPARE(reader.encoding(), Encoding::Windows1252);
    const QStringList lines = readAll(reader);
    QVERIFY(!lines.isEmpty());
    // Every byte but the line ends comes out as one character.
    qsizetype characters = 0;
    for (const QString &line : lines)
        characters += line.size();
    QCOMPARE(characters, bytes.size() - 2 * 1000);
    QVERIFY(lines.at(0).startsWith(QChar(0)));
}

void TestReportReader::largeFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile file(dir.filePath("grande.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray line = QByteArray(78, 'z') + "\r\n";
    const QByteArray block = line.repeated(1000);
    const int blocks = 50 * 1024 * 1024 / block.size();
    for (int i = 0; i < blocks; ++i)
        file.write(block);
    file.close();

    ReportReader reader;
    QVERIFY(reader.open(file.fileName()));
    qsizetype count = 0;
    QString text;
    while (reader.readLine(text)) {
        if (text.size() != 78)
            QFAIL(qPrintable(QStringLiteral("line %1 has %2 characters").arg(count + 1).arg(text.size())));
        ++count;
    }
    QCOMPARE(count, qsizetype(blocks) * 1000);
    QVERIFY(reader.atEnd());
}

void TestReportReader::missingFile()
{
    QTemporaryDir dir;
    ReportReader reader;
    QVERIFY(!reader.open(dir.filePath("borrado.txt")));
    QVERIFY(!reader.isOpen());
    QString line = u"sin tocar"_qs;
    QVERIFY(!reader.readLine(line));
    QCOMPARE(line, u"sin tocar"_qs);
    QVERIFY(reader.atEnd());
}

void TestReportReader::directoryIsNoReport()
{
    QTemporaryDir dir;
    ReportReader reader;
    QVERIFY(!reader.open(dir.path()));
    QVERIFY(!reader.isOpen());
}

void TestReportReader::reopenStartsAfresh()
{
    ReportReader reader;
    QVERIFY(reader.openBytes("Pe\xc3\xb1" "a\r\nsobra"));
    QString line;
    QVERIFY(reader.readLine(line));
    QVERIFY(reader.openBytes("\xf1" "\r\n"));
    QCOMPARE(reader.encoding(), Encoding::Windows1252);
    QCOMPARE(readAll(reader), QStringList{u"ñ"_qs});
}

void TestReportReader::closedReaderReadsNothing()
{
    ReportReader reader;
    QVERIFY(!reader.isOpen());
    QVERIFY(reader.atEnd());
    QVERIFY(reader.openBytes("a\r\nb\r\n"));
    reader.close();
    QString line;
    QVERIFY(!reader.readLine(line));
    QVERIFY(reader.atEnd());
}

QTEST_GUILESS_MAIN(TestReportReader)
#include "tst_reportreader.moc"
