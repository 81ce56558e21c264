#pragma once

#include <QString>

#include <optional>

// Cutting text by 1-based character positions. A cut that would need a
// negative length, or a start before the first character, is a failure the
// caller must handle: it is what ends a procedure early.
namespace TextCuts {

// Position of the first occurrence of what in text, counted from 1; 0 when absent.
inline qsizetype position(QStringView text, QStringView what, qsizetype from = 1)
{
    const qsizetype i = text.indexOf(what, from - 1);
    return i < 0 ? 0 : i + 1;
}

// The first count characters.
inline std::optional<QString> left(const QString &text, qsizetype count)
{
    if (count < 0)
        return std::nullopt;
    return text.left(count);
}

// At most count characters from position start on; a start beyond the end gives
// the empty text.
inline std::optional<QString> mid(const QString &text, qsizetype start, qsizetype count)
{
    if (start < 1 || count < 0)
        return std::nullopt;
    return text.mid(start - 1, count);
}

// Everything from position start on.
inline std::optional<QString> mid(const QString &text, qsizetype start)
{
    if (start < 1)
        return std::nullopt;
    return text.mid(start - 1);
}

} // namespace TextCuts
