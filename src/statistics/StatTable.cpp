#include "statistics/StatTable.h"

#include <algorithm>
#include <numeric>

namespace kivora {

namespace {

// Numbers key: byte i (i < 7) = number i, byte 7 = count.
// Groups key: byte 0 = lo, byte 1 = hi, byte 2 = 1 when hi is padded.
int byteAt(quint64 key, int i)
{
    return static_cast<int>((key >> (8 * i)) & 0xFF);
}

} // namespace

quint64 StatTable::numbersKey(const int *numbers, int count)
{
    quint64 key = 0;
    count = std::clamp(count, 0, 7);
    for (int i = 0; i < count; ++i)
        key |= static_cast<quint64>(numbers[i] & 0xFF) << (8 * i);
    key |= static_cast<quint64>(count) << 56;
    return key;
}

void StatTable::addNumbers(const int *numbers, int count, int since, int drawn)
{
    rows.push_back({ numbersKey(numbers, count), since, drawn });
}

void StatTable::addGroup(int lo, int hi, bool padHigh, int since, int drawn)
{
    const quint64 key = static_cast<quint64>(lo & 0xFF) | static_cast<quint64>(hi & 0xFF) << 8
        | static_cast<quint64>(padHigh ? 1 : 0) << 16;
    rows.push_back({ key, since, drawn });
}

QList<int> StatTable::numbers(int row) const
{
    QList<int> result;
    const quint64 key = rows[static_cast<size_t>(row)].key;
    const int count = byteAt(key, 7);
    for (int i = 0; i < count; ++i)
        result.append(byteAt(key, i));
    return result;
}

int StatTable::groupLow(int row) const
{
    return byteAt(rows[static_cast<size_t>(row)].key, 0);
}
int StatTable::groupHigh(int row) const
{
    return byteAt(rows[static_cast<size_t>(row)].key, 1);
}

namespace {

// value in decimal at out, left-filled with '0' to `width` characters.
int writeDecimal(int value, int width, char *out)
{
    char digits[12];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    int written = 0;
    for (; written < width - count; ++written)
        out[written] = '0';
    while (count > 0)
        out[written++] = digits[--count];
    return written;
}

} // namespace

int StatTable::captionBytes(int row, char *out) const
{
    const quint64 key = rows[static_cast<size_t>(row)].key;
    if (kind == Kind::Groups) {
        int length = writeDecimal(byteAt(key, 0), 2, out);
        out[length++] = '-';
        return length + writeDecimal(byteAt(key, 1), byteAt(key, 2) ? 2 : 1, out + length);
    }
    int length = 0;
    const int count = std::min(byteAt(key, 7), 7);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            out[length++] = ':';
        length += writeDecimal(byteAt(key, i), 2, out + length);
    }
    return length;
}

QString StatTable::caption(int row) const
{
    char bytes[kMaxCaptionBytes];
    return QString::fromLatin1(bytes, captionBytes(row, bytes));
}

int compareCaptions(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive);
}

std::vector<int> sortedOrder(const StatTable &table, int sortColumn)
{
    std::vector<int> order(table.rows.size());
    std::iota(order.begin(), order.end(), 0);
    const auto &rows = table.rows;
    if (sortColumn == 1 || sortColumn == 2) {
        const bool bySince = sortColumn == 1;
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const StatRow &ra = rows[static_cast<size_t>(a)];
            const StatRow &rb = rows[static_cast<size_t>(b)];
            return bySince ? ra.since > rb.since : ra.drawn > rb.drawn;
        });
        return order;
    }
    if (sortColumn != 0)
        return order;

    // Two-digit captions of the same length compare as their number tuples; only
    // numbers of three digits (100) need the text itself.
    bool twoDigitNumbers = table.kind == StatTable::Kind::Numbers;
    for (size_t i = 0; twoDigitNumbers && i < rows.size(); ++i) {
        const quint64 key = rows[i].key;
        for (int j = 0; j < byteAt(key, 7); ++j) {
            if (byteAt(key, j) > 99)
                twoDigitNumbers = false;
        }
    }
    if (twoDigitNumbers) {
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const quint64 ka = rows[static_cast<size_t>(a)].key;
            const quint64 kb = rows[static_cast<size_t>(b)].key;
            const int ca = byteAt(ka, 7);
            const int cb = byteAt(kb, 7);
            for (int j = 0; j < std::min(ca, cb); ++j) {
                if (byteAt(ka, j) != byteAt(kb, j))
                    return byteAt(ka, j) < byteAt(kb, j);
            }
            return ca < cb;
        });
        return order;
    }
    std::vector<QString> captions(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        captions[i] = table.caption(static_cast<int>(i));
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return compareCaptions(captions[static_cast<size_t>(a)], captions[static_cast<size_t>(b)]) < 0;
    });
    return order;
}

} // namespace kivora
