#include "ui/WindowDialogs.h"

#include "ui/FileDialogTexts.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/AddDrawDialog.h"
#include "ui/dialogs/AnalysisDialog.h"
#include "ui/dialogs/ChartsDialog.h"
#include "ui/dialogs/LedgerDialog.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/dialogs/SystemDialog.h"
#include "ui/dialogs/TicketFiltersDialog.h"
#include "ui/dialogs/WheelCheckDialog.h"
#include "ui/dialogs/WheelMakeDialog.h"

namespace kivora {

WindowDialogs::WindowDialogs(QWidget *window)
    : m_window(window)
{
    m_openTexts = new FileDialogTexts("OpenDialog1", QStringLiteral("Сохраненные комбинации"),
        QStringLiteral("Лотокомбинации|*.ltc|Все файлы|*.*"), window);
    m_saveTexts = new FileDialogTexts("SaveDialog1", QStringLiteral("Сохранить"),
        QStringLiteral("Лотокомбинации|*.ltc|HTML файлы|*.htm|Все файлы|*.*"), window);
}

void WindowDialogs::createDialogs(
    const ProgramFolder &folder, const MessageCatalog &messages, PlatformServices &services)
{
    QWidget *window = m_window;
    m_wheelMake = new WheelMakeDialog(messages, window);
    m_wheelCheck = new WheelCheckDialog(messages, window);
    m_about = new AboutDialog(window);
    m_addDraw = new AddDrawDialog(messages, services, window);
    m_ledger = new LedgerDialog(messages, services, window);
    m_settings = new SettingsDialog(folder, messages, services, window);
    m_system = new SystemDialog(folder, window);
    m_ticketFilters = new TicketFiltersDialog(window);
    m_charts = new ChartsDialog(messages, services, window);
    m_analysis = new AnalysisDialog(messages, services, window);
}

QList<QWidget *> WindowDialogs::translated(bool atStart) const
{
    Q_UNUSED(atStart) // every dialog follows a new language at once, open or not
    return { m_about, m_addDraw, m_ledger, m_settings, m_ticketFilters, m_charts, m_analysis, m_system,
        m_wheelMake, m_wheelCheck };
}

} // namespace kivora
