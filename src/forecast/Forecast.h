#pragma once

// The rating forecast: from how long ago and how often a number (or a pair) was drawn,
// the draw in which its own rhythm says it comes again. With N loaded draws, a row
// not seen for `since` draws and drawn `drawn` times is due
//
//   d = round((N - since + 1) * (drawn + 2) / (drawn + 1) - 1) - (N + 1)
//
// draws after the next one (d = 0: the next draw; a half rounds to the even integer).
// N = 100, drawn 20: since 4 gives 0, since 3 gives 1, since 5 gives -1 (overdue).

#include <QString>
#include <QStringList>

#include <vector>

namespace kivora {

class StatTable;

namespace forecast {

// The integer nearest to y, a half going to the even neighbour: 100.5 -> 100,
// 101.5 -> 102, -0.5 -> 0.
double roundHalfEven(double y);

// d for a row; rows with drawn < 0 (never produced by the counters) are never due.
qint64 dueIn(int drawCount, int since, int drawn);

// The rows the numbers forecast marks: d = 0 or d = 1.
bool numberChosen(int drawCount, int since, int drawn);
// The rows the pairs forecast chooses: d = 0 only.
bool pairChosen(int drawCount, int since, int drawn);

enum class Kind { Numbers, Pairs };

struct ForecastPick
{
    std::vector<int> rows; // chosen table rows, in the view's order
    std::vector<int> numbers; // the numbers to mark, ascending, each once
};

// The forecast over a table in the order the view shows it (order[i] is the table row
// at view position i): the number list for Kind::Numbers, the all-pairs table for
// Kind::Pairs.
ForecastPick choose(const StatTable &table, const std::vector<int> &order, int drawCount, Kind kind);

// The `count` rows of a pick (table rows) the forecast trusts most, for a ticket that
// holds fewer numbers than it marked: those due in the next draw before those due in
// the one after, then the more often drawn, then in the order given. All of them when
// there are no more than count.
std::vector<int> bestRows(const StatTable &table, const std::vector<int> &rows, int drawCount, int count);

// The system to take for `marked` numbers: the first entry whose first word (the text
// before the first blank, read as an integer) is at least `marked`; -1 when none is, and
// the current system stays.
int chooseSystem(const QStringList &systemNames, int marked);

} // namespace forecast
} // namespace kivora
