#include "textfilereader.h"

#include "regularfile.h"

#include <QBuffer>
#include <QFile>

#include <utility>

namespace {

constexpr qint64 ChunkSize = 64 * 1024;
// A NUL byte this near the start marks a file as no text (git tells binary
// files the same way).
constexpr qint64 BinaryProbe = 8000;

// Length of the leading part of [data, data+size) that ends on a whole UTF-8
// sequence, so that a sequence cut by the chunk boundary is checked whole with
// the next chunk.
qsizetype completeUtf8Prefix(const char *data, qsizetype size)
{
    qsizetype i = size;
    int back = 0;
    while (i > 0 && back < 4) {
        const auto c = static_cast<unsigned char>(data[i - 1]);
        if (c < 0x80)
            return size;
        if (c >= 0xC0) {
            const int need = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
            return (size - (i - 1)) >= need ? size : i - 1;
        }
        --i;
        ++back;
    }
    return size;
}

// At most MaxLineLength characters of a line, never half a surrogate pair.
qsizetype keptLength(QStringView pending)
{
    if (pending.size() <= TextFileReader::MaxLineLength)
        return pending.size();
    qsizetype kept = TextFileReader::MaxLineLength;
    if (pending.at(kept - 1).isHighSurrogate())
        --kept;
    return kept;
}

bool hasNonAscii(const char *data, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i) {
        if (static_cast<unsigned char>(data[i]) >= 0x80)
            return true;
    }
    return false;
}

} // namespace

TextFileReader::TextFileReader() = default;
TextFileReader::~TextFileReader() = default;

TextFileReader::Encoding TextFileReader::detectEncoding(QIODevice &device)
{
    // Editors save UTF-16 with a byte-order mark; without one it has NUL bytes
    // in plain ASCII text and is refused as no text.
    const QByteArray mark = device.peek(2);
    if (mark == QByteArrayView("\xFF\xFE"))
        return Encoding::Utf16LE;
    if (mark == QByteArrayView("\xFE\xFF"))
        return Encoding::Utf16BE;
    bool nonAscii = false;
    QByteArray carry;
    QByteArray chunk;
    while (true) {
        chunk = carry + device.read(ChunkSize);
        const bool last = device.atEnd();
        if (chunk.isEmpty())
            break;
        const qsizetype whole = last ? chunk.size() : completeUtf8Prefix(chunk.constData(), chunk.size());
        const QByteArrayView view(chunk.constData(), whole);
        if (!nonAscii)
            nonAscii = hasNonAscii(view.data(), view.size());
        if (nonAscii && !view.isValidUtf8())
            return Encoding::Windows1252;
        if (last)
            break;
        carry = chunk.mid(whole);
    }
    return nonAscii ? Encoding::Utf8 : Encoding::Windows1252;
}

bool TextFileReader::open(const QString &path)
{
    // Only a regular file: a pipe would block the open and a device such as
    // /dev/zero would never end.
    auto file = std::make_unique<QFile>();
    if (!openRegularFile(*file, path))
        return refuse(ReportFault::Unreadable);
    return start(std::move(file));
}

bool TextFileReader::openBytes(const QByteArray &bytes)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return start(std::move(buffer));
}

bool TextFileReader::refuse(ReportFault fault)
{
    close();
    m_fault = fault;
    return false;
}

bool TextFileReader::start(std::unique_ptr<QIODevice> device)
{
    close();
    m_encoding = detectEncoding(*device);
    if (!device->seek(0))
        return refuse(ReportFault::Unreadable);
    // A picture or a program chosen by mistake shows itself by a NUL byte near
    // the start; a report padded with NULs further down by a crash still plays.
    const bool utf16 = m_encoding == Encoding::Utf16LE || m_encoding == Encoding::Utf16BE;
    if (!utf16 && device->peek(BinaryProbe).contains('\0'))
        return refuse(ReportFault::NotText);
    if (utf16) {
        device->read(2);
        m_decoder = QStringDecoder(m_encoding == Encoding::Utf16LE ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                                   QStringDecoder::Flag::ConvertInitialBom);
    } else if (m_encoding == Encoding::Utf8) {
        m_decoder = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        // Drop the byte-order mark here rather than keep it as U+FEFF at the
        // start of the first line.
        if (device->peek(3) == QByteArrayView("\xEF\xBB\xBF"))
            device->read(3);
    } else {
        m_decoder = QStringDecoder("windows-1252");
        if (!m_decoder.isValid())
            m_decoder = QStringDecoder(QStringDecoder::Latin1);
    }
    m_device = std::move(device);
    m_deviceDone = false;
    m_fault = ReportFault::None;
    return true;
}

void TextFileReader::close()
{
    m_device.reset();
    m_buffer.clear();
    m_pos = 0;
    m_scanned = 0;
    m_longLine.clear();
    m_skipping = false;
    m_deviceDone = true;
    m_peeked.clear();
    m_hasPeeked = false;
}

bool TextFileReader::isOpen() const
{
    return m_device != nullptr;
}

bool TextFileReader::fill()
{
    if (m_deviceDone || !m_device)
        return false;
    const QByteArray bytes = m_device->read(ChunkSize);
    if (bytes.isEmpty() || m_device->atEnd())
        m_deviceDone = true;
    if (bytes.isEmpty())
        return false;
    // Keep the buffer from growing with lines already handed out.
    if (m_pos > 0 && m_pos >= m_buffer.size() / 2) {
        m_buffer.remove(0, m_pos);
        m_scanned -= m_pos;
        m_pos = 0;
    }
    m_buffer += m_decoder(bytes);
    return true;
}

bool TextFileReader::readLine(QString &line)
{
    if (m_hasPeeked) {
        m_hasPeeked = false;
        line = std::exchange(m_peeked, QString());
        return true;
    }
    return readNext(line);
}

bool TextFileReader::peekLine(QString &line)
{
    if (!m_hasPeeked)
        m_hasPeeked = readNext(m_peeked);
    if (m_hasPeeked)
        line = m_peeked;
    return m_hasPeeked;
}

bool TextFileReader::readNext(QString &line)
{
    if (!m_device)
        return false;
    while (true) {
        const qsizetype size = m_buffer.size();
        qsizetype i = qMax(m_scanned, m_pos);
        while (i < size && m_buffer.at(i) != u'\n' && m_buffer.at(i) != u'\r')
            ++i;
        if (i == size) {
            m_scanned = size;
            boundPendingLine();
            if (fill())
                continue;
            if (!m_skipping && m_pos >= m_buffer.size())
                return false;
            line = takeLine(m_buffer.size());
            m_pos = m_scanned = m_buffer.size();
            return true;
        }
        // A CR that ends the decoded text may be the first half of a CR LF
        // cut by the chunk boundary: look at the next chunk first.
        if (m_buffer.at(i) == u'\r' && i + 1 == size) {
            m_scanned = i;
            if (fill())
                continue;
        }
        qsizetype next = i + 1;
        if (m_buffer.at(i) == u'\r' && next < m_buffer.size() && m_buffer.at(next) == u'\n')
            ++next;
        line = takeLine(i);
        m_pos = m_scanned = next;
        return true;
    }
}

// The line under way has no end in the buffer yet: once it is longer than
// what is kept, keep its start aside and drop everything read of it since.
void TextFileReader::boundPendingLine()
{
    if (!m_skipping && m_buffer.size() - m_pos > MaxLineLength) {
        const QStringView pending = QStringView(m_buffer).sliced(m_pos);
        m_longLine = pending.first(keptLength(pending)).toString();
        m_skipping = true;
    }
    if (m_skipping) {
        m_buffer.clear();
        m_pos = m_scanned = 0;
    }
}

// The line that ends at end in the buffer.
QString TextFileReader::takeLine(qsizetype end)
{
    if (m_skipping) {
        m_skipping = false;
        return std::exchange(m_longLine, QString());
    }
    const QStringView pending = QStringView(m_buffer).sliced(m_pos, end - m_pos);
    return pending.first(keptLength(pending)).toString();
}

bool TextFileReader::atEnd()
{
    if (m_hasPeeked)
        return false;
    if (!m_device)
        return true;
    while (m_pos >= m_buffer.size()) {
        if (!fill())
            return true;
    }
    return false;
}
