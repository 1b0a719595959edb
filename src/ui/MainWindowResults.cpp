// The load of the current lottery under the filter bar's filters, and what a new load
// shows in the panes and bars.

#include "ui/MainWindow.h"

#include "core/IniFile.h"
#include "play/SystemShapes.h"
#include "ui/DesktopCommands.h"
#include "ui/PlatformServices.h"
#include "ui/ResultsUpdateCommands.h"
#include "ui/WindowStatusBar.h"
#include "ui/dialogs/ChartsDialog.h"
#include "ui/models/CombinationListModel.h"
#include "ui/panes/FilterBar.h"
#include "ui/panes/PaneLayout.h"
#include "ui/panes/ResultsPane.h"
#include "ui/panes/StatisticsCommands.h"
#include "ui/panes/StatisticsPane.h"
#include "ui/panes/SystemFilter.h"
#include "ui/panes/TicketsPane.h"
#include "ui/panes/ToolBar.h"
#include "ui/play/PlayCommands.h"

#include <QAction>
#include <QComboBox>
#include <QSignalBlocker>

namespace kivora {

void MainWindow::loadCurrentLottery(std::function<void()> then)
{
    const QString name = currentLottery();
    if (name.isEmpty()) {
        m_statusBar->setStatusText(m_messages("Str58"));
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

    const DrawFilter filter = m_filterBar->filter();
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
                m_statusBar->setStatusText(load().error);
                showError(load().error);
                return;
            }
            m_play->expandMarkedNumbers();
            m_updates->tellRuleChange();
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
    {
        QComboBox *systems = m_toolBar->systemBox();
        const QSignalBlocker block(systems);
        systems->clear();
        // Each system with its shape, for the filter of a long list.
        const std::vector<SystemShape> shapes = systemshapes::listed(IniFile(m_folder.configPath()).load(),
            load().definition.systemSection(), load().systems, m_folder);
        for (int i = 0; i < load().systems.size(); ++i)
            systems->addItem(load().systems.at(i), SystemFilter::itemData(shapes.at(static_cast<size_t>(i))));
        systems->setCurrentIndex(load().systems.isEmpty() ? -1 : 0);
    }
    m_lotteryInfoAction->setVisible(m_desktop->hasLotteryAddress());
    m_filterBar->showLoad(load());
    m_resultsPane->showLoad(m_session->loaded());
    // The number list and an empty statistic; the position menus follow the lottery.
    m_statistics->showLoad();
    m_statusBar->setStatusText(load().ok ? loadStatusText(load(), m_messages) : QString());
    if (!load().ok) {
        m_ticketsPane->model()->setList(CombinationList());
        m_statusBar->clearMarkStatus();
    }
    // The panes share the width by what this lottery's draws need, unless the player
    // placed the splitters.
    if (load().ok && !m_panes->userSplit())
        m_panes->fit(true);
}

} // namespace kivora
