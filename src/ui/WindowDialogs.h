#pragma once

// The dialogs and file dialog texts that live as long as the main window: made once,
// with the window as their parent, so that a language file reaches every one of them
// (the file dialog texts under the window's own section, each dialog under its own).

#include <QList>

class QWidget;

namespace kivora {

class AboutDialog;
class AddDrawDialog;
class AnalysisDialog;
class ChartsDialog;
class FileDialogTexts;
class LedgerDialog;
class MessageCatalog;
class PlatformServices;
class ProgramFolder;
class SettingsDialog;
class SystemDialog;
class TicketFiltersDialog;
class WheelCheckDialog;
class WheelMakeDialog;

class WindowDialogs final
{
public:
    // Makes the file dialog texts, the first of the window's children.
    explicit WindowDialogs(QWidget *window);
    // Makes the dialogs, once the window has its panes and menus: a search by name
    // finds the window's own component before a dialog's of the same name.
    void createDialogs(
        const ProgramFolder &folder, const MessageCatalog &messages, PlatformServices &services);

    // The titles and filters of the open and save dialogs ("OpenDialog1", "SaveDialog1").
    FileDialogTexts *openTexts() const { return m_openTexts; }
    FileDialogTexts *saveTexts() const { return m_saveTexts; }

    AboutDialog *about() const { return m_about; }
    AddDrawDialog *addDraw() const { return m_addDraw; }
    LedgerDialog *ledger() const { return m_ledger; }
    SettingsDialog *settings() const { return m_settings; }
    SystemDialog *system() const { return m_system; }
    TicketFiltersDialog *ticketFilters() const { return m_ticketFilters; }
    ChartsDialog *charts() const { return m_charts; }
    AnalysisDialog *analysis() const { return m_analysis; }
    WheelMakeDialog *wheelMake() const { return m_wheelMake; }
    WheelCheckDialog *wheelCheck() const { return m_wheelCheck; }

    // The dialogs a language file translates, in the order their sections are written:
    // all of them, at start-up and at each change of language.
    QList<QWidget *> translated(bool atStart) const;

private:
    QWidget *m_window;
    FileDialogTexts *m_openTexts = nullptr;
    FileDialogTexts *m_saveTexts = nullptr;
    AboutDialog *m_about = nullptr;
    AddDrawDialog *m_addDraw = nullptr;
    LedgerDialog *m_ledger = nullptr;
    SettingsDialog *m_settings = nullptr;
    SystemDialog *m_system = nullptr;
    TicketFiltersDialog *m_ticketFilters = nullptr;
    ChartsDialog *m_charts = nullptr;
    AnalysisDialog *m_analysis = nullptr;
    WheelMakeDialog *m_wheelMake = nullptr;
    WheelCheckDialog *m_wheelCheck = nullptr;
};

} // namespace kivora
