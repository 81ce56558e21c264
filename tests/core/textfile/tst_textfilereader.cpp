#include "textfile/textfilereader.h"

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

        QTest::newRow("windows-1252 accents, euro and curly quotes")
            << QByteArray("\xbfQu\xe9 pas\xf3? \x80 \x93" "cita\x94\r\n\xa1" "Pe\xf1" "a!\r\n")
            << QStringList{u"¿Qué pasó? € “cita”"_qs, u"¡Peña!"_qs} << Encoding::Windows1252;
        QTest::newRow("utf-8 without byte-order mark")
            << QByteArray("Atl\xc3\xa9tico \xe2\x82\xac\r\nB\r\n") << QStringList{u"Atlético €"_qs, u"B"_qs} << Encoding::Utf8;
        QTest::newRow("utf-8 with byte-order mark, which is dropped")
            << QByteArray("\xef\xbb\xbfPe\xc3\xb1" "a\r\n") << QStringList{u"Peña"_qs} << Encoding::Utf8;
        QTest::newRow("byte-order mark before plain ASCII")
            << QByteArray("\xef\xbb\xbf" "ABC\n") << QStringList{u"ABC"_qs} << Encoding::Utf8;
        QTest::newRow("one invalid UTF-8 byte makes the file windows-1252")
            << QByteArray("Pe\xc3\xb1" "a \xe1\r\n") << QStringList{u"PeÃ±a á"_qs} << Encoding::Windows1252;
        QTest::newRow("utf-8 cut short at the end is windows-1252")
            << QByteArray("Pe\xc3\xb1" "a \xe2\x82") << QStringList{u"PeÃ±a â‚"_qs} << Encoding::Windows1252;
        QTest::newRow("CR LF, LF, lone CR, no final line end")
            << QByteArray("a\r\nb\nc\rd") << QStringList{"a", "b", "c", "d"} << Encoding::Windows1252;
        QTest::newRow("LF then CR ends two lines")
            << QByteArray("a\n\rb") << QStringList{"a", "", "b"} << Encoding::Windows1252;
        QTest::newRow("empty lines and blanks kept, final line end starts no line")
            << QByteArray("\r\n  a  \r\n\r\nb\r\n") << QStringList{"", "  a  ", "", "b"} << Encoding::Windows1252;
        QTest::newRow("empty file") << QByteArray() << QStringList{} << Encoding::Windows1252;
        const QString text = u"¡Peña!\r\n€\r\n"_qs;
        QTest::newRow("utf-16 LE with byte-order mark")
            << QByteArray(QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom)(text))
            << QStringList{u"¡Peña!"_qs, u"€"_qs} << Encoding::Utf16LE;
        QTest::newRow("utf-16 BE with byte-order mark")
            << QByteArray(QStringEncoder(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom)(text))
            << QStringList{u"¡Peña!"_qs, u"€"_qs} << Encoding::Utf16BE;
        QTest::newRow("NUL bytes far from the start are text")
            << QByteArray(8000, 'x') + QByteArray("\0\0\r\n", 4) << QStringList{QString(8000, u'x') + QString(2, QChar(0))}
            << Encoding::Windows1252;

        // The reader takes the file in chunks of 64 KiB; these rows put a line end
        // or a UTF-8 sequence across the first boundary.
        const QByteArray fill(Chunk - 1, 'x');
        const QString fillText(Chunk - 1, u'x');
        QTest::newRow("CR LF split by the chunk boundary")
            << fill + "\r\ny" << QStringList{fillText, u"y"_qs} << Encoding::Windows1252;
        QTest::newRow("lone CR as the last byte of the first chunk")
            << fill + "\ry" << QStringList{fillText, u"y"_qs} << Encoding::Windows1252;
        QTest::newRow("two-byte sequence split")
            << "\n" + fill.sliced(1) + "\xc3\xa9z" << QStringList{QString(), fillText.sliced(1) + u"éz"_qs}
            << Encoding::Utf8;
        QTest::newRow("three-byte sequence split after its second byte")
            << QByteArray(Chunk - 2, 'x') + "\xe2\x82\xac" << QStringList{QString(Chunk - 2, u'x') + u"€"_qs} << Encoding::Utf8;
        QTest::newRow("invalid byte in the second chunk")
            << "\xc3\xa9\n" + QByteArray(Chunk, 'x') + "\n\xe9"
            << QStringList{u"Ã©"_qs, QString(Chunk, u'x'), u"é"_qs} << Encoding::Windows1252;
        // Of a longer line only the start is kept; the rest is skipped unstored.
        const qsizetype Kept = TextFileReader::MaxLineLength;
        QTest::newRow("huge line: its start kept, the next line whole")
            << QByteArray(1'000'000, 'a') + "b\r\nfin\r\n" << QStringList{QString(Kept, u'a'), u"fin"_qs}
            << Encoding::Windows1252;
        QTest::newRow("line one longer than kept, its CR LF across a chunk boundary")
            << QByteArray(Kept, 'a') + "b" + QByteArray(3 * Chunk - Kept - 2, 'c') + "\r\nfin"
            << QStringList{QString(Kept, u'a'), u"fin"_qs} << Encoding::Windows1252;
        QTest::newRow("huge last line without a line end")
            << "x\n" + QByteArray(Kept + 5, 'a') << QStringList{u"x"_qs, QString(Kept, u'a')} << Encoding::Windows1252;
        QTest::newRow("cut before half a surrogate pair")
            << QByteArray(Kept - 1, 'a') + "\xf0\x9f\x98\x80z\n" << QStringList{QString(Kept - 1, u'a')}
            << Encoding::Utf8;
        // The byte-order mark is read first, so the first chunk ends after
        // half a pair.
        QTest::newRow("utf-16 surrogate pair split")
            << QByteArray(QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom)(
                   QString(Chunk / 2 - 1, u'x') + u"😀"_qs))
            << QStringList{QString(Chunk / 2 - 1, u'x') + u"😀"_qs} << Encoding::Utf16LE;
        QByteArray many;
        QStringList manyLines;
        for (int i = 0; i < 30000; ++i) {
            manyLines << QString::number(i * 7919);
            many += manyLines.last().toLatin1() + (i % 2 ? "\r\n" : "\n");
        }
        QTest::newRow("lines of many chunks") << many << manyLines << Encoding::Windows1252;
    }

    void lines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        QFETCH(Encoding, encoding);

        QTemporaryDir dir;
        QFile file(dir.filePath("partido.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        TextFileReader reader;
        QVERIFY(reader.open(file.fileName()));
        QCOMPARE(reader.encoding(), encoding);
        QCOMPARE(readAll(reader), expected);
        QVERIFY(reader.open(file.fileName()));
        QCOMPARE(readAll(reader, true), expected);
    }

    void binaryFile()
    {
        // A start without NUL bytes, so the rest is read as text.
        QByteArray bytes(8000, 'x');
        for (int b = 0; b < 256 * 1000; ++b)
            bytes.append(char(b));
        TextFileReader reader;
        QVERIFY(reader.openBytes(bytes));
        QCOMPARE(reader.encoding(), Encoding::Windows1252);
        // Every byte but the line ends comes out as one character.
        qsizetype characters = 0;
        for (const QString &line : readAll(reader))
            characters += line.size();
        QCOMPARE(characters, bytes.size() - 2 * 1000);
    }

    // What is no report gives nothing to read, and says why, without waiting.
    void refused_data()
    {
        QTest::addColumn<QString>("name"); // in a folder holding a pipe and a link to it
        QTest::addColumn<QByteArray>("bytes"); // else the content of a file
        QTest::addColumn<ReportFault>("fault");

        const auto Unreadable = ReportFault::Unreadable;
        QTest::newRow("missing file") << "borrado.txt" << QByteArray() << Unreadable;
        QTest::newRow("folder") << "." << QByteArray() << Unreadable;
        QTest::newRow("pipe without a writer") << "tuberia" << QByteArray() << Unreadable;
        QTest::newRow("link to a pipe") << "enlace" << QByteArray() << Unreadable;
        QTest::newRow("endless device") << "/dev/zero" << QByteArray() << Unreadable;
        if (geteuid() != 0)
            QTest::newRow("no read permission") << "cerrado.txt" << QByteArray() << Unreadable;
        QTest::newRow("PNG picture") << QString() << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << ReportFault::NotText;
        QTest::newRow("utf-16 without byte-order mark")
            << QString() << QByteArray(QStringEncoder(QStringEncoder::Utf16LE)(u"Rio (R) vs. Sierra (S) en X"_qs))
            << ReportFault::NotText;
    }

    void refused()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(ReportFault, fault);

        QTemporaryDir dir;
        QCOMPARE(mkfifo(qPrintable(dir.filePath("tuberia")), 0600), 0);
        QVERIFY(QFile::link(dir.filePath("tuberia"), dir.filePath("enlace")));
        QFile closed(dir.filePath("cerrado.txt"));
        QVERIFY(closed.open(QIODevice::WriteOnly) && closed.write("Rio (R) vs. Sierra (S) en X\r\n") > 0);
        closed.close();
        QVERIFY(closed.setPermissions({}));
        if (name.isEmpty()) {
            name = "partido.txt";
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }

        TextFileReader reader;
        // Opening a pipe could wait for ever: an alarm makes that a failure.
        alarm(10);
        QVERIFY(!reader.open(dir.filePath(name)));
        alarm(0);
        QCOMPARE(reader.fault(), fault);
        QString line;
        QVERIFY(!reader.readLine(line) && reader.atEnd());
    }
};

QTEST_GUILESS_MAIN(TestTextFileReader)
#include "tst_textfilereader.moc"
