#pragma once

// The draws accepted by the last load, in file order (oldest first for a base kept in
// date order). Row r is the r-th accepted draw. The results view shows the draw
// number and the main numbers as two-digit texts; the details view the draw number,
// date, machine, ball set and the additional numbers as read.
//
// Bases reach a million draws, so a row is not a list of strings: main numbers are
// integers and the text fields of all rows share one character pool.

#include "core/StringFn.h"

#include <QString>
#include <QStringView>

#include <array>
#include <vector>

namespace kivora {

class DrawTable final
{
public:
    DrawTable() = default;
    DrawTable(int drawNumber, int additionalCount);

    int drawNumber() const { return m_drawNumber; } // D: main numbers per row
    int additionalCount() const { return m_additionalCount; } // A: additional numbers per row
    int rowCount() const { return m_rows; }
    bool isEmpty() const { return m_rows == 0; }

    // Results view: column 0 the draw number as read, columns 1..D the main numbers.
    int resultsColumnCount() const { return m_drawNumber + 1; }
    QString resultsCell(int row, int column) const;
    // Main number j (0-based) of a row, as text-to-integer read it.
    int number(int row, int j) const { return m_numbers[static_cast<size_t>(row) * m_drawNumber + j]; }
    const int *numbers(int row) const { return m_numbers.data() + static_cast<size_t>(row) * m_drawNumber; }

    // Details view: draw number, date, machine, ball set, then the additional numbers.
    int detailsColumnCount() const { return m_additionalCount + 4; }
    QString detailsCell(int row, int column) const;

    QString drawNumberText(int row) const { return field(row, 0); }
    QString date(int row) const { return field(row, 1); }
    QString machine(int row) const { return field(row, 2); }
    QString ballSet(int row) const { return field(row, 3); }
    QString additional(int row, int j) const { return field(row, 4 + j); }
    QStringView fieldView(int row, int index) const;
    // The longest draw-number text (the first row of that length), kept as rows are
    // appended so that a view of a million draws need not look through them; "" when
    // there are no rows.
    QString widestDrawNumberText() const { return m_widestRow < 0 ? QString() : drawNumberText(m_widestRow); }

    // Appends a draw: texts[0..3] are number, date, machine, ball set, texts[4..] the
    // additional numbers (missing ones are empty); numbers holds D main numbers.
    void appendRow(const QStringView *texts, int textCount, const int *numbers);
    void reserve(int rows);

private:
    QString field(int row, int index) const { return fieldView(row, index).toString(); }
    int fieldsPerRow() const { return m_additionalCount + 4; }

    int m_drawNumber = 0;
    int m_additionalCount = 0;
    int m_rows = 0;
    int m_widestRow = -1;
    std::vector<int> m_numbers;
    QString m_pool;
    std::vector<quint32> m_fieldStart; // fieldsPerRow() starts a row, plus the end
};

// The main numbers of a draw in ascending order, only those within min..max (a number
// written twice stays twice): what the sorted draw strip and the check report show.
std::vector<int> sortedDrawNumbers(const DrawTable &draws, int row, int min, int max);

// How often and how long ago each number was drawn (tables indexed by the number).
struct NumberCounts
{
    std::array<int, 101> since {};
    std::array<int, 101> drawn {};
    int recordGap = 0; // longest completed absence of any number
    int recordDrawn = 0; // largest drawn
};

} // namespace kivora
