// The load of the current lottery, the filter bar, and what a new load shows in the
// panes.

#include "ui/MainWindow.h"

#include "ui/PlatformServices.h"

#include "ui/StatusPanel.h"

#include "core/IniFile.h"
#include "core/LotteryDefinition.h"
#include "statistics/NumberList.h"
#include "ui/models/CombinationListModel.h"
#include "ui/models/StatTableModel.h"
#include "ui/panes/NumberPane.h"
#include "ui/panes/ResultsPane.h"
#include "ui/panes/StatisticsPane.h"
#include "ui/panes/TicketsPane.h"
#include "ui/play/PlayCommands.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabBar>

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
    m_statisticsPane->clear();
    // Nothing of the previous lottery stays on screen while this one loads.
    m_session->beginLoad();

    DrawFilter filter;
    filter.lastDraws = m_lastDrawsFilter->isChecked();
    filter.lastDrawsText = m_lastDrawsEdit->text();
    filter.machine = m_machineFilter->isChecked();
    filter.machineText = m_machineBox->currentText();
    filter.ballSet = m_ballSetFilter->isChecked();
    filter.ballSetText = m_ballSetBox->currentText();
    const ProgramFolder folder = m_folder;
    const MessageCatalog messages = m_messages;
    m_session->setFilter(filter);
    runJob<std::shared_ptr<const LoadResult>>(
        true,
        [folder, name, filter, messages](const Progress &progress) {
            return std::shared_ptr<const LoadResult>(
                std::make_shared<LoadResult>(loadLottery(folder, name, filter, messages, progress)));
        },
        [this, then](std::shared_ptr<const LoadResult> result) {
            m_session->finishLoad(std::move(result));
            if (!load().ok) {
                // The failed load keeps this lottery's definition and paths: the commands
                // that write refuse with its reason, never touching another lottery's files.
                m_statusText->setText(load().error);
                showError(load().error);
                return;
            }
            m_play->expandMarkedNumbers();
            if (then)
                then();
        },
        true);
}

void MainWindow::onLoadChanged()
{
    showLoad();
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

    // Statistics panel back to an empty list under its own title.
    m_statisticsPane->showDraws(&load().draws);
    m_resultsPane->showLoad(m_session->loaded());

    // The number list, sorted by "Не выпадал"; every row starts unmarked.
    StatTable numbers = numberListTable(load());
    m_sortColumn = m_numberListSort;
    m_numberPane->showTable(std::move(numbers), m_sortColumn);
    m_statusText->setText(load().ok ? loadStatusText(load(), m_messages) : QString());
    if (!load().ok) {
        m_ticketsPane->model()->setList(CombinationList());
        m_markStatus->clear();
    }
    // The panes share the width by what this lottery's draws need, unless the player
    // placed the splitters.
    if (load().ok && !m_userSplit)
        updateLayout(true);
}

} // namespace kivora
