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
#include "ui/panes/SystemFilter.h"
#include "ui/panes/TicketsPane.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
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
    // The window wires the panes' own commands (marks, the ticket list's menu) to these;
    // here only what the window does not know of.
    connect(m_parts.ticketsPane->undoAction(), &QAction::triggered, this, [this] { undoTicketChange(); });
    connect(m_dialogs.analysis(), &AnalysisDialog::backtestRequested, this,
        [this](backtest::Options options) { runBacktest(options); });
    connect(m_dialogs.system(), &SystemDialog::systemChosen, this, &PlayCommands::onSystemChosen);
    connect(&m_session, &LotterySession::loadChanged, this, &PlayCommands::onLoadChanged);
}

void PlayCommands::onLoadChanged()
{
    forgetUndo();
    // Open charts follow the lottery and its filters.
    if (m_dialogs.charts()->isVisible())
        m_dialogs.charts()->setLoad(m_session.loaded(), currentLottery());
    if (!load().ok)
        return; // the empty load while a new one runs: the choice waits for it
    if (m_choice.lottery == currentLottery()) {
        const int system = m_systemBox->findText(m_choice.system);
        if (system >= 0) {
            const QSignalBlocker block(m_systemBox);
            m_systemBox->setCurrentIndex(system);
        }
        if (!m_choice.markedCaptions.isEmpty()) {
            markCaptions(m_choice.markedCaptions);
            expandMarkedNumbers();
        }
    }
    rememberChoice();
}

void PlayCommands::rememberChoice()
{
    m_choice = { currentLottery(), m_systemBox->currentText(), m_numberModel->flaggedCaptions() };
}

void PlayCommands::markCaptions(const QStringList &captions)
{
    m_numberModel->clearFlags();
    for (int row = 0; row < m_numberModel->rowCount(); ++row) {
        if (captions.contains(m_numberModel->caption(row)))
            m_numberModel->setFlagged(row, true);
    }
}

void PlayCommands::showMarkStatus(const QString &text)
{
    m_markStatus = text;
    m_parts.statusBar->setMarkStatus(text);
}

void PlayCommands::showTicketStatus()
{
    QString summary = ticketSummaryText(m_ticketSummary, m_messages);
    if (!m_filterOutcome.isEmpty())
        summary += QStringLiteral("; ") + m_filterOutcome;
    m_parts.statusBar->setTicketStatus(summary);
}

PlayCommands::TicketsState PlayCommands::ticketsState() const
{
    return { m_combinationModel->list(), m_ticketSummary, m_filtersNote, m_filterOutcome,
        m_numberModel->flaggedCaptions(), m_markStatus };
}

void PlayCommands::pushUndo(TicketsState state)
{
    // A few steps back are enough; a list shares its template, so a step is small.
    constexpr size_t kSteps = 20;
    if (m_undo.size() == kSteps)
        m_undo.erase(m_undo.begin());
    m_undo.push_back(std::move(state));
    m_parts.ticketsPane->undoAction()->setEnabled(true);
}

void PlayCommands::forgetUndo()
{
    m_undo.clear();
    m_parts.ticketsPane->undoAction()->setEnabled(false);
}

void PlayCommands::undoTicketChange()
{
    if (m_undo.empty())
        return;
    TicketsState state = std::move(m_undo.back());
    m_undo.pop_back();
    m_parts.ticketsPane->undoAction()->setEnabled(!m_undo.empty());
    markCaptions(state.markedCaptions);
    m_ticketSummary = state.summary;
    m_filtersNote = state.filtersNote;
    m_filterOutcome = state.filterOutcome;
    m_combinationModel->setList(std::move(state.list));
    showMarkStatus(state.markStatus);
    showTicketStatus();
    rememberChoice();
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
    m_filterOutcome = m_filtersNote.isEmpty()
        ? QString()
        : filterOutcomeText(played.outcome, filters, load().definition, m_messages);
    if (!played.guaranteeLeft.isEmpty())
        m_filterOutcome += QStringLiteral("; ") + played.guaranteeLeft;
    // A template that cannot be read leaves an empty list, never another system's.
    m_ticketSummary = ticketSummary(expansion.list, expansion.uses, ini, currentLottery());
    m_combinationModel->setList(std::move(expansion.list));
    showMarkStatus(expansion.status);
    showTicketStatus();
    // A new list: what an undo would bring back belongs to the one before.
    forgetUndo();
    rememberChoice();
    // The note that a system was made and chosen is over once another is chosen.
    if (!m_systemNote.isEmpty() && m_systemBox->currentText() != m_notedSystem) {
        if (m_parts.statusBar->statusText() == m_systemNote)
            m_parts.statusBar->setStatusText(loadStatusText(load(), m_messages));
        m_systemNote.clear();
    }
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
    TicketsState before = ticketsState();
    m_numberModel->clearFlags();
    m_statModel->clearFlags();
    expandMarkedNumbers();
    if (load().ok && !before.markedCaptions.isEmpty())
        pushUndo(std::move(before));
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
    const IniDocument listed = config.load();
    // The same tickets listed already: the player may take that system instead.
    const QString same
        = wheel::equalSystem(tickets, shape.guarantee.numbers, listed, section, m_folder, m_messages);
    if (!same.isEmpty() && m_services.confirm(m_window, m_messages("Str653").arg(same))) {
        if (const int index = m_systemBox->findText(same); index >= 0) {
            onSystemChosen(index);
            return;
        }
    }
    QString name
        = wheel::freeSystemName(shape, static_cast<int>(tickets.size()), listed, section, m_messages);
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
        m_systemBox->addItem(
            name, SystemFilter::itemData({ shape.guarantee.numbers, shape.ticketSize, SystemKind::Wheel }));
    }
    onSystemChosen(m_systemBox->count() - 1);
    m_notedSystem = name;
    m_systemNote = m_messages("Str218").arg(name, QDir::toNativeSeparators(*added));
    m_parts.statusBar->setStatusText(m_systemNote);
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
    dialog->prepare(name, tickets, system->uses(), wheel::widestTicket(tickets),
        wheel::statedGuarantee(name, QFileInfo(path).fileName(), system->uses()),
        m_numberModel->flaggedCaptions());
    dialog->exec();
}

} // namespace kivora
