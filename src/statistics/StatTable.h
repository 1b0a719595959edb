#pragma once

// The rows a statistic shows in the combination view (and the number list shows for
// single numbers): a caption, "since" (draws since the event last happened) and
// "drawn" (draws in which it happened). A table of all quadruples of 1..80 holds
// 1,581,580 rows, so a row is 16 bytes and its caption is made when it is shown.

#include <QList>
#include <QString>

#include <vector>

namespace kivora {

struct StatRow
{
    quint64 key = 0; // see StatTable::numbersRow / groupRow
    qint32 since = 0;
    qint32 drawn = 0;
};

class StatTable final
{
public:
    enum class Kind : quint8 {
        Numbers, // captions "07", "03:17", "01:02:03:04" ... (up to 7 numbers)
        Groups, // captions "01-10", "41-45"
    };

    // Mode tags: what a row means to the view (pictures, highlight, double-click).
    static constexpr int kTagNumbers = 0; // pairs, single numbers
    static constexpr int kTagTriples = 33;
    static constexpr int kTagQuadruples = 44;
    // 1..5: groups of ten with k = tag + 1 numbers

    QString title;
    int modeTag = kTagNumbers;
    Kind kind = Kind::Numbers;
    int record = 0; // the gap record the row colours compare with
    int topCount = 0; // largest "drawn"
    QString recordText; // record line, value columns ("-" for tables without them)
    QString topText;
    // The sort column the statistic applies after filling the view; -1 leaves the
    // rows in the order they were added.
    int initialSort = -1;
    std::vector<StatRow> rows; // in the order they were added

    int rowCount() const { return static_cast<int>(rows.size()); }
    QString caption(int row) const;
    // The caption as Latin-1 bytes in out (room for kMaxCaptionBytes); returns the
    // length. Exports write these without making a QString per row.
    static constexpr int kMaxCaptionBytes = 32;
    int captionBytes(int row, char *out) const;
    // The numbers of a Numbers row, in caption order.
    QList<int> numbers(int row) const;
    // Bounds of a Groups row.
    int groupLow(int row) const;
    int groupHigh(int row) const;

    void addNumbers(const int *numbers, int count, int since, int drawn);
    void addNumber(int number, int since, int drawn) { addNumbers(&number, 1, since, drawn); }
    // A group of ten: lo..hi; the upper bound is written without padding for a last,
    // shorter group ("41-45" and "01-5").
    void addGroup(int lo, int hi, bool padHigh, int since, int drawn);

    static quint64 numbersKey(const int *numbers, int count);
};

// Row order for a sort column: 0 = caption ascending as text without regard to case,
// k >= 1 = value column k descending by value. Rows with equal keys keep the order in
// which they were added.
std::vector<int> sortedOrder(const StatTable &table, int sortColumn);

// Caption comparison of the views: case-insensitive text, a prefix sorts first.
int compareCaptions(const QString &a, const QString &b);

} // namespace kivora
