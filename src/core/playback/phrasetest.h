#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

// Key phrases are compared with both sides in upper case: the phrase tables
// are converted once, each line once per recogniser.
namespace PhraseTest {

template<std::size_t N>
QStringList upperCased(const std::array<QStringView, N> &phrases)
{
    QStringList upper;
    upper.reserve(qsizetype(N));
    for (QStringView phrase : phrases)
        upper.append(phrase.toString().toUpper());
    return upper;
}

inline bool containsAny(const QString &upperLine, const QStringList &upperPhrases)
{
    for (const QString &phrase : upperPhrases) {
        if (upperLine.contains(phrase))
            return true;
    }
    return false;
}

} // namespace PhraseTest
