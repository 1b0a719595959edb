// The load of the current lottery, the filter bar, the results and details views and
// the sorted draw strip.

#include "ui/MainWindow.h"

#include "ui/FrozenColumnView.h"
#include "ui/PlatformServices.h"
#include "ui/dialogs/ChartsDialog.h"

#include "ui/StatusPanel.h"

#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "statistics/NumberList.h"
#include "ui/models/CombinationListModel.h"
#include "ui/models/DrawTableModel.h"
#include "ui/models/StatTableModel.h"
#include "ui/models/TensGridModel.h"
#include "ui/panes/NumberPane.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>

#include <cmath>

namespace kivora {

void MainWindow::onMachineFilterChanged()
{
    if (m_machineFilter->isChecked())
        loadCurrentLottery();
}

void MainWindow::onBallSetFilterChanged()
{
    if (m_ballSetFilter->isChecked())
        loadCurrentLottery();
}

void MainWindow::onLastDrawsCountChanged()
{
    if (m_lastDrawsEdit->text().isEmpty()) {
        m_lastDrawsEdit->setText(QStringLiteral("0"));
        return; // setting the text calls this again
    }
    if (m_lastDrawsFilter->isChecked())
        loadCurrentLottery();
}

void MainWindow::fillChoiceLists()
{
    // The lists are filled from the lottery of the selected tab; the typed or chosen
    // text stays, as the filters compare with it.
    const LotteryDefinition &d = load().definition;
    auto refill = [](QComboBox *box, const QStringList &entries) {
        const QSignalBlocker block(box);
        const QString text = box->currentText();
        box->clear();
        box->addItems(entries);
        box->setCurrentText(text.isEmpty() ? entries.value(0) : text);
    };
    refill(m_machineBox, lotteries::machineChoices(d.machine));
    refill(m_ballSetBox, lotteries::ballSetChoices(d.setOfBall));
}

void MainWindow::loadCurrentLottery(std::function<void()> then)
{
    const QString name = currentLottery();
    if (name.isEmpty()) {
        m_statusText->setText(m_messages("Str58"));
        // Said once in a message too: the status bar may be too narrow to read it.
        if (!m_noLotteryExplained) {
            m_noLotteryExplained = true;
            m_services.showMessage(this, m_messages("Str58"), PlatformServices::MessageKind::Information);
        }
        return;
    }
    m_statModel->clear();
    m_tenModel->clear();
    m_tensModel->clear();
    // Nothing of the previous lottery stays on screen while this one loads.
    setLoaded(std::make_shared<const LoadResult>());

    DrawFilter filter;
    filter.lastDraws = m_lastDrawsFilter->isChecked();
    filter.lastDrawsText = m_lastDrawsEdit->text();
    filter.machine = m_machineFilter->isChecked();
    filter.machineText = m_machineBox->currentText();
    filter.ballSet = m_ballSetFilter->isChecked();
    filter.ballSetText = m_ballSetBox->currentText();
    const ProgramFolder folder = m_folder;
    const MessageCatalog messages = m_messages;
    m_loadPending = true;
    runJob<std::shared_ptr<const LoadResult>>(
        true,
        [folder, name, filter, messages](const Progress &progress) {
            return std::shared_ptr<const LoadResult>(
                std::make_shared<LoadResult>(loadLottery(folder, name, filter, messages, progress)));
        },
        [this, then](std::shared_ptr<const LoadResult> result) {
            m_loadPending = false;
            setLoaded(std::move(result));
            if (!load().ok) {
                // The failed load keeps this lottery's definition and paths: the commands
                // that write refuse with its reason, never touching another lottery's files.
                m_statusText->setText(load().error);
                showError(load().error);
                return;
            }
            expandMarkedNumbers();
            if (then)
                then();
        },
        true);
}

void MainWindow::setLoaded(std::shared_ptr<const LoadResult> loaded)
{
    m_loaded = std::move(loaded);
    showLoad();
    // Open charts follow the lottery and its filters.
    if (m_charts->isVisible())
        m_charts->setLoad(m_loaded, currentLottery());
}

void MainWindow::showLoad()
{
    const LotteryDefinition &d = load().definition;
    {
        const QSignalBlocker block(m_systemBox);
        m_systemBox->clear();
        m_systemBox->addItems(load().systems);
        m_systemBox->setCurrentIndex(load().systems.isEmpty() ? -1 : 0);
    }
    rebuildPositionMenus();
    m_additionalAction->setEnabled(d.hasAdditionalNumbers());
    m_lotteryInfoAction->setVisible(hasLotteryAddress());
    m_additionalPopupAction->setEnabled(d.hasAdditionalNumbers());
    fillChoiceLists();
    {
        const QSignalBlocker blockSpin(m_lastDrawsSpin);
        const QSignalBlocker blockEdit(m_lastDrawsEdit);
        const QString text = m_lastDrawsEdit->text();
        m_lastDrawsSpin->setMaximum(std::max(load().totalLines, m_lastDrawsSpin->value()));
        m_lastDrawsEdit->setText(text);
    }

    // Statistics panel back to an empty combination view under its own title.
    m_statGroup->setTitle(m_statGroupCaption);
    m_tensGrid->hide();
    m_tenNumberList->hide();
    m_combinationView->show();
    m_statRecordLine->show();
    m_statRecordLine->headerItem()->setText(1, QString());
    m_statRecordLine->headerItem()->setText(2, QString());

    m_resultsModel->setDraws(&load().draws);
    m_detailsModel->setDraws(&load().draws);
    m_tensModel->setDraws(&load().draws);
    fitResultsColumns();
    const int rows = load().draws.rowCount();
    if (rows > 0) {
        // The newest draw becomes current.
        m_resultsView->setCurrentIndex(m_resultsModel->index(rows - 1, m_resultsModel->columnCount() - 1));
        m_detailsView->setCurrentIndex(m_detailsModel->index(rows - 1, m_detailsModel->columnCount() - 1));
        showNewestDraw();
    } else {
        m_drawStrip->clearContents();
    }

    // The number list, sorted by "Не выпадал"; every row starts unmarked.
    StatTable numbers = numberListTable(load());
    m_sortColumn = m_numberListSort;
    m_numberPane->showTable(std::move(numbers), m_sortColumn);
    m_statusText->setText(load().ok ? loadStatusText(load(), m_messages) : QString());
    if (!load().ok) {
        m_combinationModel->setList(CombinationList());
        m_markStatus->clear();
    }
    // The panes share the width by what this lottery's draws need, unless the player
    // placed the splitters.
    if (load().ok && !m_userSplit)
        updateLayout(true);
}

void MainWindow::showNewestDraw()
{
    // The newest draw whole, from its first column: once now and once more after the
    // layout settles, when a horizontal scroll bar may have taken the bottom row.
    auto scroll = [this] {
        for (QTableView *view :
            { static_cast<QTableView *>(m_resultsView), static_cast<QTableView *>(m_detailsView) }) {
            view->scrollToBottom();
            view->horizontalScrollBar()->setValue(0);
        }
    };
    scroll();
    QTimer::singleShot(0, this, scroll);
}

void MainWindow::showDetailsView()
{
    // Hide the results, show the details on the same draw.
    m_showDetailsAction->setChecked(true);
    const int row = m_resultsView->currentIndex().row();
    m_resultsStack->setCurrentWidget(m_detailsView);
    m_detailsView->setFocus();
    if (row >= 0)
        m_detailsView->setCurrentIndex(
            m_detailsModel->index(row, std::max(0, m_detailsView->currentIndex().column())));
}

void MainWindow::showResultsView()
{
    m_showResultsAction->setChecked(true);
    m_resultsStack->setCurrentWidget(m_resultsView);
    m_resultsView->setFocus();
}

void MainWindow::detailsCellChanged(int row, int column)
{
    if (row < 0)
        return;
    const int resultsColumn
        = column < m_resultsModel->columnCount() ? column : m_resultsView->currentIndex().column();
    m_resultsView->setCurrentIndex(m_resultsModel->index(row, std::max(0, resultsColumn)));
}

namespace {

struct StripColours
{
    QColor background;
    QColor text;
};

bool stripColours(int value, StripColours *colours)
{
    if (value <= 0)
        return false;
    static const StripColours table[4] = {
        { QColor(128, 0, 128), Qt::white }, // 1-10, 41-50, above 80
        { QColor(255, 255, 0), Qt::black }, // 11-20, 51-60
        { QColor(0, 128, 0), Qt::white }, // 21-30, 61-70
        { QColor(0, 0, 255), Qt::white }, // 31-40, 71-80
    };
    *colours = value > 80 ? table[0] : table[((value - 1) / 10) % 4];
    return true;
}

} // namespace

void MainWindow::fillDrawStrip(int row)
{
    m_drawStrip->clearContents();
    if (row < 0 || row >= load().draws.rowCount())
        return;
    const DrawTable &draws = load().draws;
    const int c = draws.resultsColumnCount();
    const bool twoRows = c > 11;
    // C / 2 rounded to the nearest integer (a half to the even one), plus 1.
    const int columns = twoRows ? static_cast<int>(std::nearbyint(c / 2.0)) + 1 : c;
    m_drawStrip->setRowCount(twoRows ? 2 : 1);
    m_drawStrip->setColumnCount(columns);
    m_drawStrip->setFixedHeight(
        m_drawStrip->rowCount() * m_drawStrip->verticalHeader()->defaultSectionSize() + 4);

    auto put = [this](int r, int col, const QString &text) {
        auto *item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignCenter);
        m_drawStrip->setItem(r, col, item);
    };
    put(0, 0, draws.drawNumberText(row));
    m_drawStrip->horizontalHeader()->resizeSection(0,
        std::max(m_drawStrip->horizontalHeader()->defaultSectionSize(),
            m_drawStrip->fontMetrics().horizontalAdvance(draws.drawNumberText(row)) + 16));
    if (twoRows)
        put(1, 0, draws.machine(row) + draws.ballSet(row));

    // The draw's numbers in ascending order of value, wrapping into the second row.
    int filledRow = 0;
    int filledColumn = 1;
    const LotteryDefinition &d = load().definition;
    for (int value : sortedDrawNumbers(draws, row, d.minNumber, d.maxNumber)) {
        if (filledColumn >= columns) {
            if (!twoRows || filledRow == 1)
                break;
            filledRow = 1;
            filledColumn = 1;
        }
        put(filledRow, filledColumn++, twoDigits(value));
    }
    for (int r = 0; r < m_drawStrip->rowCount(); ++r) {
        for (int col = 1; col < columns; ++col) {
            QTableWidgetItem *item = m_drawStrip->item(r, col);
            StripColours colours;
            if (item && stripColours(textToInt(item->text()), &colours)) {
                item->setBackground(colours.background);
                item->setForeground(colours.text);
            }
        }
    }
    m_drawStrip->setCurrentCell(0, 0);
}

void MainWindow::setHighlight(const std::vector<bool> &rows)
{
    m_resultsModel->setHighlight(rows);
    m_detailsModel->setHighlight(rows);
}

} // namespace kivora
