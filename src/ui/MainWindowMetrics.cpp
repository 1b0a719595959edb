// Sizes that follow the font and the data: each pane fits its own views, and the
// window shares its width between the panes.

#include "ui/MainWindow.h"

#include "ui/WindowStatusBar.h"
#include "ui/panes/NumberPane.h"
#include "ui/panes/PaneViews.h"
#include "ui/panes/ResultsPane.h"
#include "ui/panes/StatisticsPane.h"
#include "ui/panes/TicketsPane.h"

#include <QSplitter>

namespace kivora {

using paneviews::listWidth;

void MainWindow::applyMetrics()
{
    m_resultsPane->applyMetrics();
    m_numberPane->applyMetrics();
    m_statisticsPane->applyMetrics();
    m_ticketsPane->applyMetrics();
}

void MainWindow::updateLayout(bool resizeRightPanel)
{
    if (m_splitter && resizeRightPanel) {
        // The results take the width that shows a whole draw, and the number list and
        // the combination list theirs, as far as the window has room: the statistics
        // panel takes what is left. With less room, each pane scrolls sideways (the
        // results behind their frozen draw-number column).
        const int total = m_splitter->width() - m_splitter->handleWidth();
        const int margins = 16;
        const int results = m_resultsPane->wantedWidth() + margins;
        const int numbers = listWidth(m_numberPane->list()) + margins;
        const int statistics = 180;
        const int rightWanted
            = numbers + statistics + m_ticketsPane->wantedWidth() + 2 * m_rightSplitter->handleWidth();
        int left = results;
        if (total < results + rightWanted)
            left = std::max(std::min(150, total / 3),
                static_cast<int>(static_cast<qint64>(total) * results / std::max(1, results + rightWanted)));
        const int right = std::max(100, total - left);
        m_splitter->setSizes({ left, right });
        const int room = right - 2 * m_rightSplitter->handleWidth();
        int numbersWidth = numbers;
        int combinationsWidth = m_ticketsPane->wantedWidth();
        const int leastStatistics = 120;
        if (room - numbersWidth - combinationsWidth < leastStatistics) {
            // Too narrow: the number and combination lists give up width in proportion.
            const int spare = std::max(0, room - leastStatistics);
            numbersWidth = static_cast<int>(
                static_cast<qint64>(spare) * numbers / (numbers + m_ticketsPane->wantedWidth()));
            combinationsWidth = spare - numbersWidth;
        }
        m_rightSplitter->setSizes(
            { numbersWidth, std::max(0, room - numbersWidth - combinationsWidth), combinationsWidth });
    }
    if (m_statisticsPane)
        m_statisticsPane->fitTenNumberList();
    if (m_statusBar)
        m_statusBar->setPanelWidths(
            m_resultsPane->width() + 4, m_numberPane->width() + 2, m_statisticsPane->width() + 2);
}

} // namespace kivora
