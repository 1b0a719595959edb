#pragma once

// The four panes side by side: the results on the left, and on the right the number
// list, the statistics and the combination list in a splitter of their own, so that
// none forces the window wider than a small screen. The panes share the width by what
// the lottery's draws need until the user places a splitter; the places the user left
// are kept across starts.

#include <QSplitter>

namespace kivora {

class NumberPane;
class ResultsPane;
class StatisticsPane;
class TicketsPane;

class PaneLayout final : public QSplitter
{
    Q_OBJECT
public:
    explicit PaneLayout(QWidget *parent);

    ResultsPane *resultsPane() const { return m_resultsPane; }
    NumberPane *numberPane() const { return m_numberPane; }
    StatisticsPane *statisticsPane() const { return m_statisticsPane; }
    TicketsPane *ticketsPane() const { return m_ticketsPane; }

    // True once the user placed a splitter (or the places were restored).
    bool userSplit() const { return m_userSplit; }
    // With resizeRightPanel, the panes share the width by what they need; either way
    // the ten's list follows the statistics pane's height.
    void fit(bool resizeRightPanel);
    // The places as the configuration keeps them: "results,right" and
    // "numbers,statistics,combinations".
    QString splitText() const;
    QString rightSplitText() const;
    // The places read from the configuration, put back by restoreKeptSplit() once the
    // window is shown: when both texts hold sizes; else the panes fit the data.
    void keepSplit(const QString &split, const QString &rightSplit);
    void restoreKeptSplit();
    // Row heights and column widths from the font, in every pane.
    void applyMetrics();

signals:
    // The panes' widths changed (the status bar's panels follow them).
    void fitted();

private:
    void onSplitterMoved();

    QSplitter *m_rightSplitter = nullptr;
    ResultsPane *m_resultsPane = nullptr;
    NumberPane *m_numberPane = nullptr;
    StatisticsPane *m_statisticsPane = nullptr;
    TicketsPane *m_ticketsPane = nullptr;
    QString m_keptSplit;
    QString m_keptRightSplit;
    bool m_userSplit = false; // the splitters were placed by the user, not by the data
};

} // namespace kivora
