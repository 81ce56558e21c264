// Report reader: any bytes, read line by line with and without end tests in
// between, must give the lines of the whole file decoded at once and split at
// CR LF, LF and lone CR, each cut to the characters the reader keeps, unless a
// NUL byte near the start refuses them as no text.

#include "fuzzcheck.h"
#include "textfile/textfilereader.h"

#include <QBuffer>
#include <QStringDecoder>
#include <QStringList>

#include <cstdint>

namespace {

// The reader decodes in chunks of this size; an input starting with a byte of
// 0x80 or more is moved to straddle the first chunk boundary, so a CR LF or a
// UTF-8 sequence cut by it is tried without inputs of 64 kB.
constexpr qsizetype Chunk = 64 * 1024;

QByteArray reportBytes(const uint8_t *data, size_t size)
{
    // A UTF-16 byte-order mark counts only at the start, so it stays there.
    const bool utf16Mark = size >= 2 && ((data[0] == 0xFF && data[1] == 0xFE) || (data[0] == 0xFE && data[1] == 0xFF));
    if (size == 0 || data[0] < 0x80 || utf16Mark)
        return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype before = data[0] & 0x7f;
    QByteArray bytes;
    bytes.reserve(Chunk + qsizetype(size));
    while (bytes.size() < Chunk - before)
        bytes += "Min 12: relleno hasta el final del trozo\r\n";
    bytes.truncate(Chunk - before);
    bytes.append(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1);
    return bytes;
}

// The reader keeps at most MaxLineLength characters of a line, never half a
// surrogate pair. Inputs need a line longer than 64 Ki characters to reach
// the cut: run with -max_len beyond that to try it.
QString kept(const QString &line)
{
    if (line.size() <= TextFileReader::MaxLineLength)
        return line;
    const qsizetype n = TextFileReader::MaxLineLength;
    return line.left(line.at(n - 1).isHighSurrogate() ? n - 1 : n);
}

QStringList referenceLines(const QByteArray &bytes, TextFileReader::Encoding encoding)
{
    QString text;
    if (encoding == TextFileReader::Encoding::Utf16LE || encoding == TextFileReader::Encoding::Utf16BE) {
        QStringDecoder decoder(encoding == TextFileReader::Encoding::Utf16LE ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::ConvertInitialBom);
        text = decoder(bytes.sliced(2));
    } else if (encoding == TextFileReader::Encoding::Utf8) {
        QByteArrayView view(bytes);
        if (view.startsWith("\xEF\xBB\xBF"))
            view = view.sliced(3);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        text = decoder(view);
    } else {
        QStringDecoder decoder("windows-1252");
        if (!decoder.isValid())
            decoder = QStringDecoder(QStringDecoder::Latin1);
        text = decoder(bytes);
    }
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\n' && c != u'\r')
            continue;
        lines << kept(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines << kept(text.mid(start));
    return lines;
}

// Reads every line; endTests says before which reads atEnd() is asked, and
// how often (asking twice must not change anything).
QStringList readAll(TextFileReader &reader, unsigned endTests)
{
    QStringList lines;
    QString line;
    for (unsigned n = 0;; ++n) {
        const unsigned pattern = (endTests >> (n % 8)) & 1u;
        bool end = false;
        if (pattern) {
            end = reader.atEnd();
            FUZZ_CHECK(reader.atEnd() == end);
        }
        const bool got = reader.readLine(line);
        if (pattern)
            FUZZ_CHECK(got != end);
        if (!got)
            break;
        FUZZ_CHECK(!line.contains(u'\n') && !line.contains(u'\r'));
        lines << line;
    }
    // Past the end everything stays at the end.
    FUZZ_CHECK(!reader.readLine(line));
    FUZZ_CHECK(reader.atEnd());
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = reportBytes(data, size);

    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    const TextFileReader::Encoding encoding = TextFileReader::detectEncoding(buffer);
    const QStringList expected = referenceLines(bytes, encoding);

    TextFileReader reader;
    const bool utf16 = encoding == TextFileReader::Encoding::Utf16LE || encoding == TextFileReader::Encoding::Utf16BE;
    if (!utf16 && bytes.first(qMin(bytes.size(), qsizetype(8000))).contains('\0')) {
        FUZZ_CHECK(!reader.openBytes(bytes));
        FUZZ_CHECK(reader.fault() == ReportFault::NotText && !reader.isOpen());
        return 0;
    }
    // The same reader, reopened each time, must start afresh.
    for (unsigned endTests : {0x00u, 0xffu, 0x5au, size > 1 ? unsigned(data[size - 1]) : 0x0fu}) {
        FUZZ_CHECK(reader.openBytes(bytes));
        FUZZ_CHECK(reader.isOpen());
        FUZZ_CHECK(reader.encoding() == encoding);
        FUZZ_CHECK(readAll(reader, endTests) == expected);
    }

    // Closing halfway leaves nothing to read.
    reader.openBytes(bytes);
    QString line;
    reader.readLine(line);
    reader.close();
    FUZZ_CHECK(!reader.isOpen() && reader.atEnd() && !reader.readLine(line));
    return 0;
}
