#include "textfile/textfilereader.h"

#include "../support/reports.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using Encoding = TextFileReader::Encoding;

namespace {

constexpr qsizetype Chunk = 64 * 1024;

// Reads every line the way the report procedures do, with an end test
// before each read that must agree with the read; with peek, the line is
// looked at first, and the read must give what the look saw.
QStringList readAll(TextFileReader &reader, bool peek = false)
{
    QStringList lines;
    QString line, peeked;
    while (!reader.atEnd()) {
        if ((peek && !(reader.peekLine(peeked) && reader.peekLine(peeked))) || !reader.readLine(line) || (peek && line != peeked))
            return lines << u"no line, or not the one looked at, yet not at the end"_qs;
        lines << line;
    }
    return reader.readLine(line) ? lines << u"a line after the end"_qs : lines;
}

} // namespace

class TestTextFileReader : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<Encoding>("encoding");
        const auto W = Encoding::Windows1252, U = Encoding::Utf8;

        QTest::newRow("windows-1252 accents, euro and curly quotes")
            << QByteArray("\xbfQu\xe9 pas\xf3? \x80 \x93" "cita\x94\r\n\xa1" "Pe\xf1" "a!\r\n")
            << QStringList{u"¿Qué pasó? € “cita”"_qs, u"¡Peña!"_qs} << W;
        QTest::newRow("utf-8, its mark dropped") << QByteArray("\xef\xbb\xbfPe\xc3\xb1" "a\r\n") << QStringList{u"Peña"_qs} << U;
        QTest::newRow("an invalid UTF-8 byte: windows-1252")
            << QByteArray("Pe\xc3\xb1" "a \xe1\r\n") << QStringList{u"PeÃ±a á"_qs} << W;
        QTest::newRow("utf-8 cut short: windows-1252")
            << QByteArray("Pe\xc3\xb1" "a \xe2\x82") << QStringList{u"PeÃ±a â‚"_qs} << W;
        QTest::newRow("CR LF, LF, lone CR, LF then CR; blanks and empty lines kept, final line end starts none")
            << QByteArray("\r\n a \r\nb\nc\rd\n\re\r\n") << QStringList{"", " a ", "b", "c", "d", "", "e"} << W;
        const QByteArray utf16 = QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom)(u"¡Peña!\r\n€\r\n"_qs);
        QTest::newRow("utf-16 LE with byte-order mark") << utf16 << QStringList{u"¡Peña!"_qs, u"€"_qs} << Encoding::Utf16LE;
        QTest::newRow("NULs far from the start")
            << QByteArray(8000, 'x') + QByteArray("\0\0\r\n", 4) << QStringList{QString(8000, u'x') + QString(2, QChar(0))} << W;

        // UTF-8 without a mark is told by the rows below. The reader takes the
        // file in chunks of 64 KiB; these rows put a line end
        // or a UTF-8 sequence across the first boundary.
        QTest::newRow("CR LF split by a chunk")
            << QByteArray(Chunk - 1, 'x') + "\r\ny" << QStringList{QString(Chunk - 1, u'x'), u"y"_qs} << W;
        QTest::newRow("UTF-8 split after 2 of 3 bytes")
            << QByteArray(Chunk - 2, 'x') + "\xe2\x82\xac" << QStringList{QString(Chunk - 2, u'x') + u"€"_qs} << U;
        QTest::newRow("invalid byte in the second chunk")
            << "\xc3\xa9\n" + QByteArray(Chunk, 'x') + "\n\xe9" << QStringList{u"Ã©"_qs, QString(Chunk, u'x'), u"é"_qs} << W;
        // Of a longer line only the start is kept; the rest is skipped unstored.
        const qsizetype Kept = TextFileReader::MaxLineLength;
        QTest::newRow("huge line: its start kept, the next line whole")
            << QByteArray(1'000'000, 'a') + "b\r\nfin\r\n" << QStringList{QString(Kept, u'a'), u"fin"_qs} << W;
        QTest::newRow("huge last line, no line end")
            << "x\n" + QByteArray(Kept + 5, 'a') << QStringList{u"x"_qs, QString(Kept, u'a')} << W;
        QTest::newRow("cut before half a surrogate")
            << QByteArray(Kept - 1, 'a') + "\xf0\x9f\x98\x80z\n" << QStringList{QString(Kept - 1, u'a')} << U;
        // Lines handed out are dropped from the buffer as further chunks come.
        QStringList many;
        for (int i = 0; i < 30000; ++i)
            many << QString::number(i * 7919);
        QTest::newRow("lines of many chunks") << many.join("\r\n").toLatin1() << many << W;
    }

    void lines()
    {
        // Bytes are read in chunks as a file is; opening a file is the refusals' test.
        QFETCH(QByteArray, bytes);
        TextFileReader reader;
        QVERIFY(reader.openBytes(bytes));
        QTEST(reader.encoding(), "encoding");
        QTEST(readAll(reader), "expected");
        // Looking at each line first changes nothing of what is read.
        QVERIFY(reader.openBytes(bytes));
        QTEST(readAll(reader, true), "expected");
    }

    // What is no report gives nothing to read, and says why, without waiting.
    void refused_data()
    {
        // In a folder holding a pipe, a link to it, and UTF-16 without a byte-order mark.
        QTest::addColumn<QString>("name");
        QTest::addColumn<ReportFault>("fault");
        QTest::newRow("missing file") << "borrado.txt" << ReportFault::Unreadable;
        // A folder, a pipe and a device take the same way: no regular file.
        QTest::newRow("link to a pipe without a writer") << "enlace" << ReportFault::Unreadable;
        QTest::newRow("utf-16 without byte-order mark: NULs") << "sin_marca.txt" << ReportFault::NotText;
    }

    void refused()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QCOMPARE(mkfifo(qPrintable(dir.filePath("tuberia")), 0600), 0);
        QVERIFY(QFile::link(dir.filePath("tuberia"), dir.filePath("enlace")));
        QVERIFY(reports::writeFile(dir.filePath("sin_marca.txt"), QStringEncoder(QStringEncoder::Utf16LE)(u"Rio (R) vs. Sierra (S)"_qs)));

        TextFileReader reader;
        // Opening a pipe could wait for ever: an alarm makes that a failure.
        alarm(10);
        QVERIFY(!reader.open(dir.filePath(name)));
        alarm(0);
        QTEST(reader.fault(), "fault");
        QString line;
        QVERIFY(!reader.readLine(line) && reader.atEnd());
    }
};

QTEST_GUILESS_MAIN(TestTextFileReader)
#include "tst_textfilereader.moc"
