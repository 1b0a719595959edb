#pragma once

// Draw tables for the statistics tests, and the plain scan the fast code must agree
// with: every candidate tested against every draw, cell by cell.

#include "core/LotteryDefinition.h"
#include "core/StringFn.h"
#include "results/DrawTable.h"
#include "statistics/CombinationStats.h"
#include "statistics/StatTable.h"
#include "support/TestText.h"

#include <QString>
#include <QStringList>
#include <cstdlib>

#include <initializer_list>
#include <random>
#include <vector>

namespace kivora::test {

inline LotteryDefinition lottery(int minNumber, int maxNumber, int drawNumber)
{
    LotteryDefinition definition;
    definition.name = QStringLiteral("Test");
    definition.minNumber = minNumber;
    definition.maxNumber = maxNumber;
    definition.drawNumber = drawNumber;
    return definition;
}

// The base as text, its first `rows` records: what a load of a shorter base reads.
inline QString prefixText(const DrawTable &draws, int rows)
{
    QString text;
    for (int r = 0; r < rows; ++r) {
        text += draws.drawNumberText(r) + QStringLiteral(",-,-,-");
        for (int j = 0; j < draws.drawNumber(); ++j)
            text += QLatin1Char(',') + QString::number(draws.number(r, j));
        text += QStringLiteral("\r\n");
    }
    return text;
}

// Rows of main numbers (a shorter row is padded with 0, the value of an empty cell);
// draw numbers 1, 2, ...; additional numbers as texts, one list per row.
inline DrawTable makeDraws(int drawNumber, const std::vector<std::vector<int>> &rows,
    const std::vector<QStringList> &additional = {}, int additionalCount = 0)
{
    DrawTable table(drawNumber, additionalCount);
    for (size_t r = 0; r < rows.size(); ++r) {
        std::vector<int> numbers(rows[r]);
        numbers.resize(static_cast<size_t>(drawNumber), 0);
        QStringList texts = { QString::number(r + 1), QStringLiteral("01.01.2005"), QStringLiteral("-"),
            QStringLiteral("-") };
        if (r < additional.size())
            texts += additional[r];
        std::vector<QStringView> views(texts.begin(), texts.end());
        table.appendRow(views.data(), static_cast<int>(views.size()), numbers.data());
    }
    return table;
}

// A random base of a lottery with the faults real files have: numbers repeated in a
// record, empty cells (0), numbers outside MinNumber..MaxNumber and outside 0..100.
inline DrawTable randomDraws(std::mt19937 &random, const LotteryDefinition &definition, int drawCount)
{
    const int d = definition.drawNumber;
    std::vector<int> pool;
    for (int n = definition.minNumber; n <= definition.maxNumber; ++n)
        pool.push_back(n);
    std::uniform_int_distribution<int> percent(0, 99);
    const int oddValues[] = { 0, 150, -3, definition.minNumber - 1, definition.maxNumber + 1, 100 };
    std::vector<std::vector<int>> rows;
    for (int r = 0; r < drawCount; ++r) {
        std::shuffle(pool.begin(), pool.end(), random);
        std::vector<int> row(
            pool.begin(), pool.begin() + std::min<size_t>(pool.size(), static_cast<size_t>(d)));
        row.resize(static_cast<size_t>(d), 0);
        for (int &cell : row) {
            const int roll = percent(random);
            if (roll < 4)
                cell = row[0]; // a number written twice
            else if (roll < 8)
                cell = oddValues[static_cast<size_t>(percent(random)) % std::size(oddValues)];
        }
        rows.push_back(row);
    }
    return makeDraws(d, rows);
}

struct ReferenceResult
{
    std::vector<StatRow> rows;
    int record = 0;
    int top = 0;

    // Tests every draw for one more candidate and appends its row.
    void scan(const DrawTable &draws, std::initializer_list<int> combination)
    {
        scan(draws, combination.begin(), static_cast<int>(combination.size()));
    }
    void scan(const DrawTable &draws, const int *combination, int count)
    {
        int since = 0;
        int drawn = 0;
        for (int r = 0; r < draws.rowCount(); ++r) {
            if (holds(draws, r, combination, count)) {
                ++drawn;
                since = 0;
                top = std::max(top, drawn);
            } else {
                ++since;
                record = std::max(record, since);
            }
        }
        rows.push_back({ StatTable::numbersKey(combination, count), since, drawn });
    }

    // Every number of the combination equals some main-number cell of the draw.
    static bool holds(const DrawTable &draws, int r, const int *combination, int count)
    {
        for (int i = 0; i < count; ++i) {
            bool found = false;
            for (int c = 0; c < draws.drawNumber() && !found; ++c)
                found = draws.number(r, c) == combination[i];
            if (!found)
                return false;
        }
        return true;
    }
};

// The candidates of a family by nested loops over the lottery's numbers, each scanned
// against every draw.
inline ReferenceResult referenceScan(
    const DrawTable &draws, const LotteryDefinition &definition, int k, Family family)
{
    const int lo = definition.minNumber;
    const int hi = definition.maxNumber;
    ReferenceResult out;
    if (family == Family::Neighbouring) {
        for (int a = lo; a <= hi - (k - 1); ++a) {
            std::vector<int> combination;
            for (int i = 0; i < k; ++i)
                combination.push_back(a + i);
            out.scan(draws, combination.data(), k);
        }
        return out;
    }
    // Related numbers share the second character of their two-digit text (03, 13, 43; 10
    // and 100) and differ by 10 to 90: 00 and 100 are no related pair.
    std::vector<QChar> second;
    for (int n = 0; n <= hi; ++n)
        second.push_back(twoDigits(n).at(1));
    auto related = [&](int a, int b) {
        return second[static_cast<size_t>(a)] == second[static_cast<size_t>(b)] && std::abs(a - b) <= 90;
    };
    const bool onlyRelated = family == Family::Related;
    const int gap = onlyRelated ? 10 : 1; // the bounds only cut what could never qualify
    if (k == 2) {
        for (int a = lo; a <= hi - gap; ++a)
            for (int b = a + 1; b <= hi; ++b)
                if (!onlyRelated || related(a, b))
                    out.scan(draws, { a, b });
    } else if (k == 3) {
        for (int a = lo; a <= hi - 2 * gap; ++a)
            for (int b = a + 1; b <= hi - gap; ++b)
                for (int c = b + 1; c <= hi; ++c)
                    if (!onlyRelated || (related(a, c) && related(b, c)))
                        out.scan(draws, { a, b, c });
    } else if (k == 4) {
        for (int a = lo; a <= hi - 3 * gap; ++a)
            for (int b = a + 1; b <= hi - 2 * gap; ++b)
                for (int c = b + 1; c <= hi - gap; ++c)
                    for (int d = c + 1; d <= hi; ++d)
                        if (!onlyRelated || (related(d, b) && related(d, a) && related(d, c)))
                            out.scan(draws, { a, b, c, d });
    }
    return out;
}

} // namespace kivora::test
