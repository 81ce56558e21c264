#pragma once

#include <QStringView>

// The characters a text holds, folded to 128 bits. A name can occur in a line
// only when every one of its characters does, so most names are ruled out
// without a substring search; a name that passes is still searched for.
class CharFilter
{
public:
    CharFilter() = default;
    explicit CharFilter(QStringView text)
    {
        for (QChar c : text) {
            const unsigned bit = c.unicode() & 127u;
            m_bits[bit >> 6] |= quint64(1) << (bit & 63u);
        }
    }

    bool mayContain(const CharFilter &part) const
    {
        return (part.m_bits[0] & ~m_bits[0]) == 0 && (part.m_bits[1] & ~m_bits[1]) == 0;
    }

private:
    quint64 m_bits[2] = {0, 0};
};
