#include "textfile/textfilereader.h"

#include <QDir>
#include <QFile>
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
    QString line;
    QString peeked;
    while (!reader.atEnd()) {
        if (peek && !(reader.peekLine(peeked) && reader.peekLine(peeked)))
            return lines << u"no line to look at, yet not at the end"_qs;
        if (!reader.readLine(line))
            return lines << u"no line, yet not at the end"_qs;
        if (peek && line != peeked)
            return lines << u"the line read is not the one looked at"_qs;
        lines << line;
    }
    if (reader.readLine(line))
        lines << u"a line after the end"_qs;
    return lines;
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
        QTest::newRow("utf-8 without byte-order mark")
            << QByteArray("Atl\xc3\xa9tico \xe2\x82\xac\r\nB\r\n") << QStringList{u"Atlético €"_qs, u"B"_qs} << U;
        QTest::newRow("utf-8 with byte-order mark, which is dropped")
            << QByteArray("\xef\xbb\xbfPe\xc3\xb1" "a\r\n") << QStringList{u"Peña"_qs} << U;
        QTest::newRow("one invalid UTF-8 byte makes the file windows-1252")
            << QByteArray("Pe\xc3\xb1" "a \xe1\r\n") << QStringList{u"PeÃ±a á"_qs} << W;
        QTest::newRow("utf-8 cut short at the end is windows-1252, no final line end")
            << QByteArray("Pe\xc3\xb1" "a \xe2\x82") << QStringList{u"PeÃ±a â‚"_qs} << W;
        QTest::newRow("CR LF, LF, lone CR, LF then CR; blanks and empty lines kept, final line end starts none")
            << QByteArray("\r\n a \r\nb\nc\rd\n\re\r\n") << QStringList{"", " a ", "b", "c", "d", "", "e"} << W;
        const auto utf16 = [](auto e) { return QByteArray(QStringEncoder(e, QStringEncoder::Flag::WriteBom)(u"¡Peña!\r\n€\r\n"_qs)); };
        const QStringList text{u"¡Peña!"_qs, u"€"_qs};
        QTest::newRow("utf-16 LE with byte-order mark") << utf16(QStringEncoder::Utf16LE) << text << Encoding::Utf16LE;
        QTest::newRow("utf-16 BE with byte-order mark") << utf16(QStringEncoder::Utf16BE) << text << Encoding::Utf16BE;
        QTest::newRow("NUL bytes far from the start are text")
            << QByteArray(8000, 'x') + QByteArray("\0\0\r\n", 4) << QStringList{QString(8000, u'x') + QString(2, QChar(0))} << W;

        // The reader takes the file in chunks of 64 KiB; these rows put a line end
        // or a UTF-8 sequence across the first boundary.
        QTest::newRow("CR LF split by the chunk boundary")
            << QByteArray(Chunk - 1, 'x') + "\r\ny" << QStringList{QString(Chunk - 1, u'x'), u"y"_qs} << W;
        QTest::newRow("three-byte sequence split after its second byte")
            << QByteArray(Chunk - 2, 'x') + "\xe2\x82\xac" << QStringList{QString(Chunk - 2, u'x') + u"€"_qs} << U;
        QTest::newRow("invalid byte in the second chunk")
            << "\xc3\xa9\n" + QByteArray(Chunk, 'x') + "\n\xe9" << QStringList{u"Ã©"_qs, QString(Chunk, u'x'), u"é"_qs} << W;
        // Of a longer line only the start is kept; the rest is skipped unstored.
        const qsizetype Kept = TextFileReader::MaxLineLength;
        QTest::newRow("huge line: its start kept, the next line whole")
            << QByteArray(1'000'000, 'a') + "b\r\nfin\r\n" << QStringList{QString(Kept, u'a'), u"fin"_qs} << W;
        QTest::newRow("line one longer than kept, its CR LF across a chunk boundary")
            << QByteArray(Kept, 'a') + "b" + QByteArray(3 * Chunk - Kept - 2, 'c') + "\r\nfin"
            << QStringList{QString(Kept, u'a'), u"fin"_qs} << W;
        QTest::newRow("huge last line without a line end")
            << "x\n" + QByteArray(Kept + 5, 'a') << QStringList{u"x"_qs, QString(Kept, u'a')} << W;
        QTest::newRow("cut before half a surrogate pair")
            << QByteArray(Kept - 1, 'a') + "\xf0\x9f\x98\x80z\n" << QStringList{QString(Kept - 1, u'a')} << U;
        // Lines handed out are dropped from the buffer as further chunks come.
        QStringList many;
        for (int i = 0; i < 30000; ++i)
            many << QString::number(i * 7919);
        QTest::newRow("lines of many chunks") << many.join("\r\n").toLatin1() << many << W;
    }

    void lines()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QFile file(dir.filePath("partido.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        TextFileReader reader;
        QVERIFY(reader.open(file.fileName()));
        QTEST(reader.encoding(), "encoding");
        QTEST(readAll(reader), "expected");
        // Looking at each line first changes nothing of what is read.
        QVERIFY(reader.open(file.fileName()));
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
        QFile file(dir.filePath("sin_marca.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QStringEncoder(QStringEncoder::Utf16LE)(u"Rio (R) vs. Sierra (S)"_qs)));
        file.close();

        TextFileReader reader;
        // Opening a pipe could wait for ever: an alarm makes that a failure.
        alarm(10);
        QVERIFY(!reader.open(QDir(dir.path()).filePath(name)));
        alarm(0);
        QTEST(reader.fault(), "fault");
        QString line;
        QVERIFY(!reader.readLine(line) && reader.atEnd());
    }
};

QTEST_GUILESS_MAIN(TestTextFileReader)
#include "tst_textfilereader.moc"
