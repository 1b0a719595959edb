#include "ui/panes/PaneLayout.h"

#include "ui/models/CombinationListModel.h"
#include "ui/models/StatTableModel.h"
#include "ui/panes/NumberPane.h"
#include "ui/panes/PaneViews.h"
#include "ui/panes/ResultsPane.h"
#include "ui/panes/StatisticsPane.h"
#include "ui/panes/TicketsPane.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

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
    // An empty combination list may be a narrow strip, so that the results show a
    // whole draw beside it.
    m_ticketsPane->setMinimumWidth(100);
    // A statistic with other columns, or combinations where there were none, change
    // what the panes need; the lists fit their columns first.
    connect(m_statisticsPane->model(), &QAbstractItemModel::modelReset, this, &PaneLayout::refit);
    connect(m_ticketsPane->model(), &QAbstractItemModel::modelReset, this, &PaneLayout::refit);
    connect(m_ticketsPane->model(), &QAbstractItemModel::rowsRemoved, this, &PaneLayout::refit);

    if (auto *list = m_ticketsPane->findChild<QTableView *>(QStringLiteral("StringGrid1"))) {
        m_emptyHint = new QLabel(list->viewport());
        m_emptyHint->setWordWrap(true);
        m_emptyHint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        m_emptyHint->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_emptyHint->setForegroundRole(QPalette::PlaceholderText);
        auto *over = new QVBoxLayout(list->viewport());
        over->setContentsMargins(6, 30, 6, 6);
        over->addWidget(m_emptyHint);
        over->addStretch(1);
        connect(m_ticketsPane->model(), &QAbstractItemModel::modelReset, this, &PaneLayout::showEmptyHint);
        showEmptyHint();
    }
}

void PaneLayout::setEmptyCombinationsHint(const QString &text)
{
    if (m_emptyHint)
        m_emptyHint->setText(text);
}

void PaneLayout::showEmptyHint()
{
    m_emptyHint->setVisible(m_ticketsPane->model()->list().isEmpty());
}

void PaneLayout::onSplitterMoved()
{
    m_userSplit = true;
    if (!m_lottery.isEmpty())
        m_splits.insert(m_lottery, splitText() + QLatin1Char(';') + rightSplitText());
    fit(false);
}

void PaneLayout::refit()
{
    if (!m_userSplit && isVisible())
        fit(true);
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
    if (resizeRightPanel)
        fitToContents();
    m_statisticsPane->fitTenNumberList();
    emit fitted();
}

void PaneLayout::fitToContents()
{
    // In this order the panes get the width they need while the window has room: the
    // number list, the statistic's columns, the results' whole draw, and the
    // combinations (a strip while there are none); the statistic takes what is left.
    // With less room, the results give up width and scroll sideways behind their
    // frozen draw-number column; the lists scroll when even that is not enough.
    const int total = width() - handleWidth();
    const int margins = 16;
    const int handles = 2 * m_rightSplitter->handleWidth();
    // What a pane draws around its list: its frame, title and margins.
    auto around = [margins](const QWidget *pane, const QWidget *list) {
        return list->isVisible() ? std::max(margins, pane->width() - list->width()) : margins;
    };
    const int numbers
        = paneviews::listWidth(m_numberPane->list()) + around(m_numberPane, m_numberPane->list());
    const int statistics = std::max(180,
        paneviews::listWidth(m_statisticsPane->list()) + around(m_statisticsPane, m_statisticsPane->list()));
    const bool noCombinations = m_ticketsPane->model()->list().isEmpty();
    // An empty list is as wide as its title, so that the title reads whole.
    const int leastCombinations
        = std::max(120, m_ticketsPane->fontMetrics().horizontalAdvance(m_ticketsPane->title()) + 24);
    const int combinations = noCombinations ? leastCombinations : m_ticketsPane->wantedWidth();
    const int results = m_resultsPane->wantedWidth() + margins;
    const int leastResults = std::min(results, std::max(150, total / 4));

    const int rightWanted = numbers + statistics + leastCombinations + handles;
    const int left = std::clamp(total - rightWanted, leastResults, results);
    const int right = std::max(100, total - left);
    setSizes({ left, right });

    const int room = right - handles;
    int numbersWidth = numbers;
    int combinationsWidth = std::clamp(room - numbers - statistics, leastCombinations, combinations);
    const int leastStatistics = 120;
    if (room - numbersWidth - combinationsWidth < leastStatistics) {
        // Too narrow: the number and combination lists give up width in proportion.
        const int spare = std::max(0, room - leastStatistics);
        numbersWidth = static_cast<int>(static_cast<qint64>(spare) * numbers / (numbers + combinationsWidth));
        combinationsWidth = spare - numbersWidth;
    }
    m_rightSplitter->setSizes(
        { numbersWidth, std::max(0, room - numbersWidth - combinationsWidth), combinationsWidth });
    m_fittedSplit = splitText() + QLatin1Char(';') + rightSplitText();
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
    m_splits.insert(m_lottery, split + QLatin1Char(';') + rightSplit);
}

QString PaneLayout::placedSplit() const
{
    const QString now = splitText() + QLatin1Char(';') + rightSplitText();
    return m_lottery.isEmpty() || (!m_userSplit && now == m_fittedSplit) ? QString() : now;
}

QHash<QString, QString> PaneLayout::keptSplits() const
{
    QHash<QString, QString> splits = m_splits;
    if (!placedSplit().isEmpty())
        splits.insert(m_lottery, placedSplit());
    return splits;
}

void PaneLayout::setLottery(const QString &lottery)
{
    if (lottery == m_lottery)
        return;
    m_splits = keptSplits(); // the places left in the lottery on show
    m_lottery = lottery;
    restoreKeptSplit();
}

void PaneLayout::restoreKeptSplit()
{
    // The split the user left in this lottery, else one that fits the data.
    const QStringList kept = m_splits.value(m_lottery).split(QLatin1Char(';'));
    const QList<int> outer = sizesOf(kept.value(0), 2);
    const QList<int> panes = sizesOf(kept.value(1), 3);
    m_userSplit = !outer.isEmpty() && !panes.isEmpty();
    if (m_userSplit) {
        setSizes(outer);
        m_rightSplitter->setSizes(panes);
    }
    fit(!m_userSplit);
}

void PaneLayout::setColourLegend(const ColourLegend &legend)
{
    m_resultsPane->setColourLegend(legend);
    m_numberPane->model()->setLegend(legend);
    m_statisticsPane->setColourLegend(legend);
}

} // namespace kivora
