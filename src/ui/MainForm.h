#pragma once

// The main window: it owns the run-time state (the loaded draws, the number list and
// its marks, the statistics panel, the combination list) and wires every command to
// the domain functions. Building the panes and menus, and each group of commands,
// live in their own MainForm*.cpp files.

#include "core/MessageCatalog.h"
#include "core/ProgramFolder.h"
#include "core/Progress.h"
#include "play/SystemTemplate.h"
#include "results/ResultsLoad.h"
#include "statistics/CombinationStats.h"
#include "statistics/PositionStats.h"
#include "statistics/StatTable.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QProgressBar;
class QSpinBox;
class QSplitter;
class QStackedWidget;
class QTabBar;
class QTableView;
class QTableWidget;
class QToolButton;
class QTreeWidget;

namespace kivora {

class CombinationListModel;
class DrawTableModel;
class FileDialogTexts;
class TSystemDialog;
class TAboutBox;
class TAddTirag;
class TBalansForm;
class TFormSettings;
class PlatformServices;
class StatTableModel;
class TensGridModel;
class WaitWindow;

class TMainForm final : public QMainWindow
{
    Q_OBJECT
public:
    TMainForm(const ProgramFolder &folder, PlatformServices &services, QWidget *parent = nullptr);
    ~TMainForm() override;

    // Reads the configuration (window state, language, tabs) and shows the window,
    // which loads the first lottery.
    void start();

    // State the dialogs and tests read.
    const ProgramFolder &folder() const { return m_folder; }
    const MessageCatalog &messages() const { return m_messages; }
    const LoadResult &loaded() const { return m_load; }
    QString currentLottery() const;
    int sortColumn() const { return m_sortColumn; }

    // Shows a long loop's progress in the status bar and lets pending window events
    // (but not user input) run, so the window repaints while no second command starts.
    void ShowProgress(int min, int max, int position);

public slots:
    void Changeloto();
    void TabControl1Change();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Construction (MainFormPanes.cpp, MainFormMenus.cpp).
    void createPanes();
    QWidget *createToolbar();
    QWidget *createFilterBar();
    QWidget *createResultsGroup();
    QWidget *createRightPanel();
    void createStatusBar();
    void createMenus();
    void createPopupMenus();
    QAction *addCommand(QMenu *menu, const char *name, const QString &caption, void (TMainForm::*slot)());
    void updateLayout(bool resizeRightPanel);

    // Start-up and closing (MainFormState.cpp).
    void FormCreate();
    void FormShow();
    void FormClose();
    void fillLanguageMenu();
    void placeOnScreen(const QPoint &topLeft);
    void switchLanguage(const QString &fileName);
    void applyLanguage(bool atStart);
    QString languagePath() const;
    // The dialogs a language file translates (the system dialog only at start-up).
    QList<QWidget *> languageDialogs(bool atStart) const;

    // Results (MainFormResults.cpp).
    void LototronBoxChange();
    void KomplectBoxChange();
    void Edit1Change();
    void fillChoiceLists();
    void showLoad();
    void StringGrid2DblClick();
    void DateGridDblClick();
    void N86Click();
    void N87Click();
    void resultsRowChanged(int row);
    void detailsCellChanged(int row, int column);
    void fillDrawStrip(int row);
    void setHighlight(const std::vector<bool> &rows);

    // Number list (MainFormNumbers.cpp).
    void ListView1ColumnClick(int column);
    void ListView1SelectItem();
    void ListView1Change();
    void ListView1Resize();
    void setNumberListStyle(int style);

    // Statistics panel (MainFormStatistics.cpp).
    void showStatTable(StatTable table);
    void showCombinationView();
    void ListView2ColumnClick(int column);
    void ListView5ColumnClick(int column);
    void ListView2SelectItem();
    void ListView2DblClick();
    void ListView2Resize();
    void SortMenuPopup();
    void StringGrid4SelectCell(int column, int row);

    void N35Click();
    void N37Click();
    void N38Click();
    void N74Click();
    void N66Click();
    void N67Click();
    void Menu_4_1Click();
    void Menu_4_2Click();
    void Menu_4_3Click();
    void N210Click();
    void N3101Click();
    void N4101Click();
    void N5101Click();
    void N6101Click();
    void N60Click();
    void Mesto1MenuOnClick();
    void Mesto2MenuOnClick();
    void DopNomerClick();
    void displeynomerfromten();
    void rebuildPositionMenus();
    Progress progress();
    void runCombinations(int k, Family family, bool wait);
    void runTens(int k, const char *toolbarItem);
    void runPositions(PositionOrder order);
    int selectedStatRow() const;
    void markStatRow(int row);

    // Play (MainFormPlay.cpp).
    void N22Click();
    void BitBtn6Click();
    void BitBtn1Click();
    void ComboBox1Change();
    void N14Click();
    void N46Click();
    void BitBtn4Click();
    void N11Click();
    void StringGrid1DblClick();
    void BitBtn2Click();
    void N53Click();
    void N54Click();
    void chooseSystemFor(int marked);
    void systemChosen(int index);

    // Reports, services and commands that only open something (MainFormCommands.cpp).
    void N9Click();
    void N34Click();
    void N82Click();
    void HTML1Click();
    void HTML2Click();
    void HTML3Click();
    void N17Click();
    void N78Click();
    void N80Click();
    void N31Click();
    void BitBtn9Click();
    void HomePageClick();
    void HelpClick();
    void openHelp(const QString &topic);
    void AboutClick();
    void SettingsClick();

    void exportList(const StatTableModel *model, const QString &groupCaption);
    void showError(const QString &text);
    void showWait();
    void closeWait();

    ProgramFolder m_folder;
    PlatformServices &m_services;
    MessageCatalog m_messages;

    // Configuration read at creation.
    int m_keptLastDraws = 0;
    bool m_shownOnce = false;
    QString m_langFile;

    // The last load and the state derived from it.
    LoadResult m_load;
    int m_sortColumn = 1;
    bool m_loading = false;

    // Panes (names are the component names the language files and tests use).
    QTabBar *TabControl1 = nullptr;
    QWidget *Panel1 = nullptr;
    QWidget *Panel2 = nullptr;
    QToolButton *BitBtn1 = nullptr;
    QToolButton *BitBtn2 = nullptr;
    QToolButton *BitBtn3 = nullptr;
    QToolButton *BitBtn4 = nullptr;
    QToolButton *BitBtn5 = nullptr;
    QToolButton *BitBtn6 = nullptr;
    QToolButton *BitBtn7 = nullptr;
    QToolButton *BitBtn8 = nullptr;
    QToolButton *BitBtn9 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QCheckBox *lototroncheck = nullptr;
    QCheckBox *komplectCheck = nullptr;
    QCheckBox *LastDrawBox = nullptr;
    QComboBox *LototronBox = nullptr;
    QComboBox *KomplectBox = nullptr;
    QSpinBox *UpDown1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QSplitter *Splitter1 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    QGroupBox *GroupBox4 = nullptr;
    QWidget *Panel4 = nullptr;
    QStackedWidget *resultsStack = nullptr;
    QTableView *StringGrid2 = nullptr;
    QTableView *DateGrid = nullptr;
    QTableWidget *StringGrid3 = nullptr;
    QTableView *StringGrid1 = nullptr;
    QTreeWidget *ListView3 = nullptr;
    QTreeWidget *ListView4 = nullptr;
    QStackedWidget *numberStack = nullptr;
    QTableView *ListView1 = nullptr;
    QListView *ListView1Icons = nullptr;
    QTableView *ListView2 = nullptr;
    QTableView *ListView5 = nullptr;
    QTableView *StringGrid4 = nullptr;
    QLabel *statusPanel0 = nullptr;
    QLabel *statusPanel1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;

    DrawTableModel *m_resultsModel = nullptr;
    DrawTableModel *m_detailsModel = nullptr;
    StatTableModel *m_numberModel = nullptr;
    StatTableModel *m_statModel = nullptr;
    StatTableModel *m_tenModel = nullptr;
    TensGridModel *m_tensModel = nullptr;
    CombinationListModel *m_combinationModel = nullptr;
    TemplateCache m_templates;
    FileDialogTexts *OpenDialog1 = nullptr;
    FileDialogTexts *SaveDialog1 = nullptr;

    // Menus and commands.
    QMenu *Lang = nullptr;
    QActionGroup *m_langGroup = nullptr;
    QMenu *Mesto_1 = nullptr;
    QMenu *Mesto_2 = nullptr;
    QMenu *popupN45 = nullptr;
    QMenu *popupN55 = nullptr;
    QAction *DopNomer = nullptr;
    QAction *popupdopnumber = nullptr;
    QAction *N73 = nullptr;
    QAction *N86 = nullptr;
    QAction *N87 = nullptr;
    QMenu *StatPopupMenu = nullptr;
    QMenu *SortMenu = nullptr;
    QMenu *CombMenu = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QMenu *PopupMenu2 = nullptr;
    std::vector<QAction *> m_viewStyleActions;

    std::unique_ptr<WaitWindow> m_wait;

    // Dialogs live for the whole run.
    TAboutBox *m_aboutBox = nullptr;
    TAddTirag *m_addDialog = nullptr;
    TSystemDialog *m_systemDialog = nullptr;
    TBalansForm *m_ledgerDialog = nullptr;
    TFormSettings *m_settingsDialog = nullptr;
};

} // namespace kivora
