#pragma once

#include "report/reportfault.h"

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <memory>

class QIODevice;

// Reads a text file one line at a time: the match reports and the settings
// file are read through it. The simulator writes Windows-1252; a file that is valid UTF-8
// and holds at least one non-ASCII byte was re-saved by an editor and is read
// as UTF-8 (a byte-order mark is dropped); a file that starts with a UTF-16
// byte-order mark is read as UTF-16. A file with a NUL byte near its start is
// no text and is refused. Lines may end in CR LF, LF or a lone CR; a line is
// its text without the end, and a final line end does not start another,
// empty line.
//
// Of a longer line only its first MaxLineLength characters are kept; the rest
// is skipped as it is read, never stored, so a hostile file with a line of
// many megabytes costs no more memory or time downstream than a normal one.
class TextFileReader
{
public:
    enum class Encoding { Windows1252, Utf8, Utf16LE, Utf16BE };

    // Real report lines hold about a hundred characters and a settings line a
    // path. Twice the largest 16-bit position, so the rules that count
    // positions in 16 bits (the first "=" of a settings line, a substitution's
    // first name) still see past 32767.
    static constexpr qsizetype MaxLineLength = 65536;

    TextFileReader();
    ~TextFileReader();
    TextFileReader(const TextFileReader &) = delete;
    TextFileReader &operator=(const TextFileReader &) = delete;

    // Opens only a regular file, without ever waiting for a pipe.
    bool open(const QString &path);
    // Reads from memory, as a file holding these bytes would be read.
    bool openBytes(const QByteArray &bytes);
    void close();
    bool isOpen() const;
    // Why the last opening failed: ReportFault::Unreadable or NotText; None
    // after one that succeeded.
    ReportFault fault() const { return m_fault; }

    // The next line; false when there is none left (or no file is open).
    bool readLine(QString &line);
    // The next line without taking it: the next readLine gives it again.
    bool peekLine(QString &line);
    // True when no further line can be read.
    bool atEnd();

    Encoding encoding() const { return m_encoding; }

    // Decides the encoding of a whole file by its bytes.
    static Encoding detectEncoding(QIODevice &device);

private:
    bool start(std::unique_ptr<QIODevice> device);
    bool refuse(ReportFault fault);
    bool fill();
    bool readNext(QString &line);
    void boundPendingLine();
    QString takeLine(qsizetype end);

    std::unique_ptr<QIODevice> m_device;
    QStringDecoder m_decoder;
    Encoding m_encoding = Encoding::Windows1252;
    ReportFault m_fault = ReportFault::None;
    QString m_buffer;       // decoded text not yet returned
    qsizetype m_pos = 0;    // start of the next line in m_buffer
    qsizetype m_scanned = 0; // how far m_buffer was searched for a line end
    // The kept start of a line longer than MaxLineLength while the rest of it
    // is skipped; m_buffer then holds only text after it.
    QString m_longLine;
    bool m_skipping = false;
    bool m_deviceDone = true;
    QString m_peeked;
    bool m_hasPeeked = false;
};
