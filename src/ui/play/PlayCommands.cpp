// Marks, the tickets the chosen system makes of them, the ticket filters, and the
// systems the program makes and checks; the window's controls wired to the play commands.

#include "ui/play/PlayCommands.h"

#include "core/IniFile.h"
#include "core/TextFile.h"
#include "play/ExpandAndFilter.h"
#include "play/MadeWheel.h"
#include "play/NumberSelection.h"
#include "play/Systems.h"
#include "play/TicketFilterSettings.h"
#include "play/TicketFilters.h"
#include "play/WheelTemplate.h"
#include "ui/FailureMessage.h"
#include "ui/WindowDialogs.h"
#include "ui/WindowStatusBar.h"
#include "ui/dialogs/AnalysisDialog.h"
#include "ui/dialogs/ChartsDialog.h"
#include "ui/dialogs/SystemDialog.h"
#include "ui/dialogs/TicketFiltersDialog.h"
#include "ui/dialogs/WheelCheckDialog.h"
#include "ui/dialogs/WheelMakeDialog.h"
#include "ui/models/CombinationListModel.h"
#include "ui/models/StatTableModel.h"
#include "ui/panes/NumberPane.h"
#include "ui/panes/StatisticsPane.h"
#include "ui/panes/TicketsPane.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QSignalBlocker>

#include <random>

namespace kivora {

PlayCommands::PlayCommands(PlayWindowParts parts, QObject *parent)
    : QObject(parent)
    , m_parts(std::move(parts))
    , m_window(m_parts.window)
    , m_session(*m_parts.session)
    , m_folder(*m_parts.folder)
    , m_messages(*m_parts.messages)
    , m_services(*m_parts.services)
    , m_dialogs(*m_parts.dialogs)
    , m_numberModel(m_parts.numberPane->model())
    , m_statModel(m_parts.statisticsPane->model())
    , m_combinationModel(m_parts.ticketsPane->model())
    , m_systemBox(m_parts.systemBox)
{
    connectWindow();
}

void PlayCommands::connectWindow()
{
    NumberPane *numbers = m_parts.numberPane;
    connect(numbers, &NumberPane::marksChanged, this, [this] { expandMarkedNumbers(); });
    connect(numbers->chartAction(), &QAction::triggered, this, [this] { showNumberChart(); });
    TicketsPane *tickets = m_parts.ticketsPane;
    connect(tickets, &TicketsPane::activated, this, [this] { showCombinationsAsText(); });
    connect(tickets->deleteAction(), &QAction::triggered, this, [this] { deleteCombination(); });
    connect(tickets->saveAction(), &QAction::triggered, this, [this] { saveCombinations(); });
    connect(tickets->exportAction(), &QAction::triggered, this, [this] { exportCombinationListHtml(); });
    connect(tickets->printAction(), &QAction::triggered, this, [this] { printCombinations(); });
    connect(m_dialogs.analysis(), &AnalysisDialog::backtestRequested, this,
        [this](backtest::Options options) { runBacktest(options); });
    connect(m_dialogs.system(), &SystemDialog::systemChosen, this, &PlayCommands::onSystemChosen);
    // Open charts follow the lottery and its filters.
    connect(&m_session, &LotterySession::loadChanged, this, [this] {
        if (m_dialogs.charts()->isVisible())
            m_dialogs.charts()->setLoad(m_session.loaded(), currentLottery());
    });
}

void PlayCommands::showError(const QString &text)
{
    m_services.showMessage(m_window, text, PlatformServices::MessageKind::Error);
}

void PlayCommands::expandMarkedNumbers()
{
    if (!load().ok)
        return;
    const IniDocument ini = IniFile(m_folder.configPath()).load();
    // The player's ticket filters keep only the tickets that pass.
    const TicketFilters filters = readTicketFilters(ini, currentLottery());
    FilteredExpansion played = expandAndFilter(m_templates, ini, load().definition, load().draws,
        m_systemBox->currentText(), m_folder, m_numberModel->flaggedCaptions(), filters, m_messages);
    SystemExpansion &expansion = played.expansion;
    m_filtersNote = played.description;
    const QString filtered = m_filtersNote.isEmpty()
        ? QString()
        : filterOutcomeText(played.outcome, filters, load().definition, m_messages);
    // A template that cannot be read leaves an empty list, never another system's.
    m_ticketSummary = ticketSummary(expansion.list, expansion.uses, ini, currentLottery());
    m_combinationModel->setList(std::move(expansion.list));
    m_parts.statusBar->setMarkStatus(expansion.status);
    QString summary = ticketSummaryText(m_ticketSummary, m_messages);
    if (!filtered.isEmpty())
        summary += QStringLiteral("; ") + filtered;
    m_parts.statusBar->setTicketStatus(summary);
    if (expansion.applied) {
        m_reportedTemplate.clear();
    } else if (expansion.templatePath != m_reportedTemplate) {
        // Said once per template: the expansion runs again on every mark.
        m_reportedTemplate = expansion.templatePath;
        m_services.showMessage(m_window, expansion.message, PlatformServices::MessageKind::Warning);
    }
}

void PlayCommands::markAllNumbers()
{
    // Every row marked, then one expansion for all of them.
    for (int row = 0; row < m_numberModel->rowCount(); ++row)
        m_numberModel->setFlagged(row, true);
    expandMarkedNumbers();
}

void PlayCommands::clearMarks()
{
    m_numberModel->clearFlags();
    m_statModel->clearFlags();
    expandMarkedNumbers();
}

void PlayCommands::markRandomNumbers()
{
    std::mt19937 generator(m_services.randomSeed());
    std::vector<bool> marks(static_cast<size_t>(m_numberModel->rowCount()));
    for (int row = 0; row < m_numberModel->rowCount(); ++row)
        marks[static_cast<size_t>(row)] = m_numberModel->isFlagged(row);
    const RandomChoice choice
        = chooseRandomRows(marks, systems::neededCount(m_systemBox->currentText()), generator);
    if (choice.alreadyEnough) {
        m_services.showMessage(m_window, m_messages("Str24"), PlatformServices::MessageKind::Information);
        return;
    }
    const int count = static_cast<int>(choice.rows.size());
    for (int i = 0; i < count; ++i) {
        m_numberModel->setFlagged(choice.rows[static_cast<size_t>(i)], true);
        m_parts.showProgress(1, count, i + 1);
    }
    expandMarkedNumbers();
}

void PlayCommands::chooseSystem()
{
    QStringList names;
    for (int i = 0; i < m_systemBox->count(); ++i)
        names.append(m_systemBox->itemText(i));
    m_dialogs.system()->prepare(names, load().definition.systemSection());
    m_dialogs.system()->exec();
}

void PlayCommands::onSystemChosen(int index)
{
    if (index < 0 || index >= m_systemBox->count())
        return;
    m_systemBox->setCurrentIndex(index);
    expandMarkedNumbers();
}

void PlayCommands::editTicketFilters()
{
    if (!load().ok)
        return;
    IniFile ini(m_folder.configPath());
    TicketFilters filters = readTicketFilters(ini.load(), currentLottery());
    if (!m_dialogs.ticketFilters()->edit(&filters, load().definition))
        return;
    if (const Done stored = storeTicketFilters(ini, currentLottery(), filters); !stored) {
        showFailure(m_services, m_window, stored.failure(), m_messages);
        return;
    }
    expandMarkedNumbers();
}

void PlayCommands::makeWheelSystem()
{
    if (!load().ok)
        return;
    WheelMakeDialog *dialog = m_dialogs.wheelMake();
    // By default a system for the marked numbers, with tickets of the draw size.
    const int marked = static_cast<int>(m_numberModel->flaggedCaptions().size());
    const int ticketSize = std::min(load().definition.drawNumber, SystemTemplate::kColumns);
    dialog->prepare(marked > ticketSize ? marked : ticketSize + 4, ticketSize);
    if (dialog->exec() != QDialog::Accepted || dialog->tickets().empty())
        return;
    const wheel::WheelShape shape = dialog->shape();
    const std::vector<quint64> tickets = dialog->tickets();
    const QString section = load().definition.systemSection();
    const IniFile config(m_folder.configPath());
    QString name = wheel::systemName(shape, static_cast<int>(tickets.size()), m_messages);
    // The name must be new, and its first word the count of numbers the system needs.
    for (;;) {
        if (!m_services.askText(m_window, dialog->windowTitle(), m_messages("Str212"), &name))
            return;
        name = name.trimmed();
        const QString problem = wheel::nameProblem(name, shape, config.load(), section, m_messages);
        if (problem.isEmpty())
            break;
        m_services.showMessage(m_window, problem, PlatformServices::MessageKind::Warning);
    }
    const Outcome<QString> added
        = wheel::addToSystems(m_folder, section, name, shape, tickets, dialog->result().check, m_messages);
    if (!added) {
        showFailure(m_services, m_window, added.failure(), m_messages);
        return;
    }
    {
        const QSignalBlocker block(m_systemBox);
        m_systemBox->addItem(name);
    }
    onSystemChosen(m_systemBox->count() - 1);
    m_parts.statusBar->setStatusText(m_messages("Str218").arg(name, QDir::toNativeSeparators(*added)));
}

void PlayCommands::checkCurrentSystem()
{
    if (!load().ok)
        return;
    const QString name = m_systemBox->currentText();
    if (name.isEmpty()) {
        m_services.showMessage(m_window, m_messages("Str216"), PlatformServices::MessageKind::Information);
        return;
    }
    const QString path = systems::templatePath(
        IniFile(m_folder.configPath()).load(), load().definition.systemSection(), name, m_folder);
    const Outcome<std::shared_ptr<const SystemTemplate>> loaded = m_templates.load(path);
    const std::shared_ptr<const SystemTemplate> system = loaded ? *loaded : nullptr;
    const Outcome<std::vector<quint64>> read = system ? wheel::ticketsOf(*system, m_messages)
                                                      : Outcome<std::vector<quint64>>(std::vector<quint64>());
    if (!loaded || !read) {
        showError(textfile::describeError(path, (loaded ? read.failure() : loaded.failure()).text));
        return;
    }
    if (!system) {
        showError(m_messages("Str216"));
        return;
    }
    const std::vector<quint64> &tickets = *read;
    WheelCheckDialog *dialog = m_dialogs.wheelCheck();
    dialog->prepare(name, tickets, system->uses(), wheel::widestTicket(tickets));
    dialog->exec();
}

} // namespace kivora
