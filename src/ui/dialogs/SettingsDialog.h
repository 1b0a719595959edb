#pragma once

#include "core/ProgramFolder.h"
#include "core/UserPrograms.h"
#include "results/catalogue/GameCatalogue.h"

#include <QDialog>
#include <QHash>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTableWidgetItem;

namespace kivora {

struct Failure;
class MessageCatalog;
class PlatformServices;

// The settings dialog: the lottery list with shown ticks and the ten keys of each
// lottery on the first page, the system lists per draw size on the second, the text
// editor and the calculator of this computer's user on the third. Deletions and
// renames are written at once, parameter values by Apply or OK, the list's order and
// ticks by OK. Values that would make a lottery unloadable, and control characters in
// any field, are refused. The programs go to the user's own settings, outside the
// program folder, as soon as they are chosen.
class SettingsDialog final : public QDialog
{
    Q_OBJECT
public:
    SettingsDialog(const ProgramFolder &folder, const MessageCatalog &messages, PlatformServices &services,
        QWidget *parent = nullptr);

    // Opens the dialog on the lottery the window shows (modal, as exec()).
    int execAt(const QString &lottery);

public slots:
    // Add a lottery row ("NewLoto_3"); nothing is written.
    void addLottery();
    // Open the catalogue's list; the chosen game becomes a new row whose values fill
    // the editor, written by Apply or OK with the game's results file, import profile
    // and an empty base.
    void addFromCatalogue();
    void addCatalogueGame(const CatalogueGame &game);
    // Erase the selected lottery's section and remove its row.
    void deleteLottery();
    // Apply the page shown; false when nothing could be written (refused or failed).
    bool applyPage();
    // Write the list, apply, tell the user and close; stays open when refused.
    void acceptSettings();
    void cancelSettings();
    // A row of the lottery list was renamed in place.
    void onLotteryRenamed(int row, const QString &newName);

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    static QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption);
    void createLotteryPage(QWidget *page);
    void createTemplatePage(QWidget *page);
    void createProgramsPage(QWidget *page);
    void showProgramsPage();
    // Asks for a program file and stores it in the user's own settings; a cancelled
    // choice keeps the old one.
    void chooseProgram(UserPrograms::Program program);
    void forgetProgram(UserPrograms::Program program);
    void fillLotteryList();
    QStringList lotteryNames(int exceptRow = -1) const;
    int selectedLottery() const;
    int selectedTemplateLottery() const;
    void onPageChanged(int index);
    void showLotteryPage();
    void showSystemPage();
    void onLotterySelected();
    void onSystemLotterySelected();
    void showParams(const QStringList &values);
    // The bounds of additional numbers only for a lottery that draws some.
    void showAdditionalRows();
    QStringList editedParams() const;
    void showOwnerParams();
    // True when the parameter editor holds values that differ from the file's.
    bool paramsEdited() const;
    // Asks whether to apply typed values before the editor shows another lottery;
    // false when the user goes back to them (or applying them was refused).
    bool releaseParams();
    bool applyParams();
    bool applyTemplates();
    void addSystemRow();
    void deleteSystemRow();
    void onSystemRowEdited(QTableWidgetItem *item);
    void refuse(const QString &text);
    void reportFailure(const Failure &failure);

    ProgramFolder m_folder;
    const MessageCatalog &m_messages;
    PlatformServices &m_services;
    // The lottery whose values the parameter editor holds.
    QListWidgetItem *m_paramsOwner = nullptr;
    // The lottery the pages show while the dialog is open; empty: the first one.
    QString m_shownLottery;
    bool m_fillingTemplates = false;

    QTabWidget *m_pages = nullptr;
    QWidget *m_lotteryPage = nullptr;
    QWidget *m_systemPage = nullptr;
    QWidget *m_programsPage = nullptr;
    QLineEdit *m_editorPath = nullptr;
    QLineEdit *m_calculatorPath = nullptr;
    QListWidget *m_lotteryList = nullptr;
    QTableWidget *m_paramsEditor = nullptr;
    QListWidget *m_systemLotteryList = nullptr;
    QTableWidget *m_systemsEditor = nullptr;
    QLabel *m_sharedSystemsLabel = nullptr;
    QPushButton *m_addLotteryButton = nullptr;
    QPushButton *m_deleteLotteryButton = nullptr;
    QPushButton *m_catalogueButton = nullptr;
    // Rows added from the catalogue whose lottery is not complete in the file yet.
    QHash<const QListWidgetItem *, CatalogueGame> m_catalogueRows;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_applyButton = nullptr;
    QPushButton *m_addSystemButton = nullptr;
    QPushButton *m_deleteSystemButton = nullptr;
};

} // namespace kivora
