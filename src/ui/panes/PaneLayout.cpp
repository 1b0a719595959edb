#include "ui/panes/PaneLayout.h"

#include "ui/panes/NumberPane.h"
#include "ui/panes/PaneViews.h"
#include "ui/panes/ResultsPane.h"
#include "ui/panes/StatisticsPane.h"
#include "ui/panes/TicketsPane.h"

#include <QHBoxLayout>

namespace kivora {

namespace {

QString joined(const QList<int> &sizes)
{
    QStringList texts;
    for (int size : sizes)
        texts.append(QString::number(size));
    return texts.join(QLatin1Char(','));
}

// The sizes a kept text names, or none unless it names count positive sizes.
QList<int> sizesOf(const QString &text, int count)
{
    QList<int> result;
    for (const QString &part : text.split(QLatin1Char(','))) {
        if (part.toInt() > 0)
            result.append(part.toInt());
    }
    return result.size() == count ? result : QList<int>();
}

} // namespace

PaneLayout::PaneLayout(QWidget *parent)
    : QSplitter(Qt::Horizontal, parent)
{
    setObjectName(QStringLiteral("Splitter1"));
    setChildrenCollapsible(false);
    m_resultsPane = new ResultsPane(this);
    addWidget(m_resultsPane);

    auto *rightPanel = new QWidget(this);
    rightPanel->setObjectName(QStringLiteral("Panel4"));
    auto *row = new QHBoxLayout(rightPanel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    m_numberPane = new NumberPane(rightPanel);
    m_statisticsPane = new StatisticsPane(rightPanel);
    m_ticketsPane = new TicketsPane(rightPanel);
    m_rightSplitter = new QSplitter(Qt::Horizontal, rightPanel);
    m_rightSplitter->setObjectName(QStringLiteral("Splitter2"));
    m_rightSplitter->setChildrenCollapsible(false);
    m_rightSplitter->addWidget(m_numberPane);
    m_rightSplitter->addWidget(m_statisticsPane);
    m_rightSplitter->addWidget(m_ticketsPane);
    m_rightSplitter->setStretchFactor(0, 0);
    m_rightSplitter->setStretchFactor(1, 1);
    m_rightSplitter->setStretchFactor(2, 0);
    row->addWidget(m_rightSplitter);

    addWidget(rightPanel);
    setStretchFactor(0, 0);
    setStretchFactor(1, 1);
    connect(this, &QSplitter::splitterMoved, this, &PaneLayout::onSplitterMoved);
    connect(m_rightSplitter, &QSplitter::splitterMoved, this, &PaneLayout::onSplitterMoved);
}

void PaneLayout::onSplitterMoved()
{
    m_userSplit = true;
    fit(false);
}

void PaneLayout::applyMetrics()
{
    m_resultsPane->applyMetrics();
    m_numberPane->applyMetrics();
    m_statisticsPane->applyMetrics();
    m_ticketsPane->applyMetrics();
}

void PaneLayout::fit(bool resizeRightPanel)
{
    if (resizeRightPanel) {
        // The results take the width that shows a whole draw, and the number list and
        // the combination list theirs, as far as the window has room: the statistics
        // panel takes what is left. With less room, each pane scrolls sideways (the
        // results behind their frozen draw-number column).
        const int total = width() - handleWidth();
        const int margins = 16;
        const int results = m_resultsPane->wantedWidth() + margins;
        const int numbers = paneviews::listWidth(m_numberPane->list()) + margins;
        const int statistics = 180;
        const int rightWanted
            = numbers + statistics + m_ticketsPane->wantedWidth() + 2 * m_rightSplitter->handleWidth();
        int left = results;
        if (total < results + rightWanted)
            left = std::max(std::min(150, total / 3),
                static_cast<int>(static_cast<qint64>(total) * results / std::max(1, results + rightWanted)));
        const int right = std::max(100, total - left);
        setSizes({ left, right });
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
    m_statisticsPane->fitTenNumberList();
    emit fitted();
}

QString PaneLayout::splitText() const
{
    return joined(sizes());
}

QString PaneLayout::rightSplitText() const
{
    return joined(m_rightSplitter->sizes());
}

void PaneLayout::keepSplit(const QString &split, const QString &rightSplit)
{
    m_keptSplit = split;
    m_keptRightSplit = rightSplit;
}

void PaneLayout::restoreKeptSplit()
{
    // The split the user left, else one that fits the data.
    const QList<int> outer = sizesOf(m_keptSplit, 2);
    const QList<int> panes = sizesOf(m_keptRightSplit, 3);
    if (!outer.isEmpty() && !panes.isEmpty()) {
        setSizes(outer);
        m_rightSplitter->setSizes(panes);
        m_userSplit = true;
    }
    fit(!m_userSplit);
}

} // namespace kivora
