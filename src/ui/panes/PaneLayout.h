#pragma once

// The four panes side by side: the results on the left, and on the right the number
// list, the statistics and the combination list in a splitter of their own, so that
// none forces the window wider than a small screen. The panes share the width by what
// they show (a whole draw, the number list, the statistic's columns, then the
// combinations) until the user places a splitter; the places the user left are kept
// for each lottery, across starts.

#include <QHash>
#include <QSplitter>

class QLabel;

namespace kivora {

struct ColourLegend;
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

    // True once the user placed a splitter in the current lottery (or its places were
    // restored).
    bool userSplit() const { return m_userSplit; }
    // With resizeRightPanel, the panes share the width by what they show; either way
    // the ten's list follows the statistics pane's height.
    void fit(bool resizeRightPanel);
    // The lottery on show: its own kept places, else a split that fits its data.
    void setLottery(const QString &lottery);
    // The places the user left, by lottery, as the configuration keeps them:
    // "results,right;numbers,statistics,combinations".
    // Places that differ from the last fit count as the user's.
    QHash<QString, QString> keptSplits() const;
    void keepSplits(const QHash<QString, QString> &splits) { m_splits = splits; }
    // The places of the splitters now, "results,right" and "numbers,statistics,
    // combinations", and places kept for the current lottery in the same form.
    QString splitText() const;
    QString rightSplitText() const;
    void keepSplit(const QString &split, const QString &rightSplit);
    // Puts the current lottery's places back once the window is shown, or fits the data.
    void restoreKeptSplit();
    // The line the empty combination list shows: what to do to fill it.
    void setEmptyCombinationsHint(const QString &text);
    // What the colours of every pane mean, as their tooltips.
    void setColourLegend(const ColourLegend &legend);
    // Row heights and column widths from the font, in every pane.
    void applyMetrics();

signals:
    // The panes' widths changed (the status bar's panels follow them).
    void fitted();

private:
    void onSplitterMoved();
    // Shares the width by what the panes show.
    void fitToContents();
    // Refits after a pane's data changed, unless the user placed the splitters.
    void refit();
    // The hint shows while the combination list is empty.
    void showEmptyHint();

    QSplitter *m_rightSplitter = nullptr;
    ResultsPane *m_resultsPane = nullptr;
    NumberPane *m_numberPane = nullptr;
    StatisticsPane *m_statisticsPane = nullptr;
    TicketsPane *m_ticketsPane = nullptr;
    QLabel *m_emptyHint = nullptr; // over the empty combination list
    // The places of the current lottery as the user left them, if they are.
    QString placedSplit() const;

    QString m_lottery;
    QString m_fittedSplit; // the places the last fit to the data gave
    QHash<QString, QString> m_splits; // by lottery
    bool m_userSplit = false; // the current lottery's places are the user's, not the data's
};

} // namespace kivora
