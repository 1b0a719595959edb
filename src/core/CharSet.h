#pragma once

#include <QChar>

#include <bitset>
#include <initializer_list>

namespace kivora {

// A set of 8-bit delimiter characters. Characters above 255 are never members.
class CharSet final
{
public:
    CharSet() = default;
    CharSet(std::initializer_list<char> chars)
    {
        for (char c : chars)
            m_bits.set(static_cast<unsigned char>(c));
    }

    bool contains(QChar c) const { return c.unicode() < 256 && m_bits.test(c.unicode()); }
    CharSet with(char c) const
    {
        CharSet copy = *this;
        copy.m_bits.set(static_cast<unsigned char>(c));
        return copy;
    }

private:
    std::bitset<256> m_bits;
};

// Space, comma and semicolon: results base records, configuration lists, imports.
inline CharSet fieldDelimiters()
{
    return CharSet { ' ', ',', ';' };
}
// The same plus colon: system names, combination lines.
inline CharSet comboDelimiters()
{
    return CharSet { ' ', ',', ':', ';' };
}

} // namespace kivora
