#pragma once

// The tool bar above the views: the command buttons and the system box. It reports
// each click as a signal; the window carries the commands out and disables the
// buttons while a job runs. A long system list gets a filter beside it; the buttons
// show their captions under the icons when the player asks for them.

#include <QWidget>

class QAction;
class QComboBox;
class QHBoxLayout;
class QMenu;
class QToolButton;

namespace kivora {

class SystemFilter;

class ToolBar final : public QWidget
{
    Q_OBJECT
public:
    explicit ToolBar(QWidget *parent);

    // The systems the marked numbers are expanded by.
    QComboBox *systemBox() const { return m_systemBox; }
    SystemFilter *systemFilter() const { return m_systemFilter; }
    // The menu the statistics button opens under itself.
    void setStatisticsMenu(QMenu *menu) { m_statisticsMenu = menu; }
    // The buttons and the system box, which read or change the lottery's data.
    void setCommandsEnabled(bool enabled);

    // Captions under the icons, or the icons alone; the checkable menu item that
    // switches them follows.
    void setCaptionsShown(bool shown);
    bool captionsShown() const;
    QAction *captionsAction() const { return m_captionsAction; }

signals:
    void addResultsClicked();
    void clearMarksClicked();
    void randomClicked();
    // The user chose a system in the box (even the one already shown).
    void systemActivated();
    void saveClicked();
    void checkClicked();
    void exitClicked();
    void markAllClicked();
    void webClicked();
    void updateResultsClicked();

private:
    QToolButton *addButton(
        QHBoxLayout *row, const char *name, const char *icon, const QString &caption, const QString &hint);
    void popupStatisticsMenu();

    QToolButton *m_addButton = nullptr;
    QToolButton *m_clearButton = nullptr;
    QToolButton *m_randomButton = nullptr;
    QToolButton *m_statButton = nullptr;
    QComboBox *m_systemBox = nullptr;
    SystemFilter *m_systemFilter = nullptr;
    QToolButton *m_saveButton = nullptr;
    QToolButton *m_checkButton = nullptr;
    QToolButton *m_exitButton = nullptr;
    QToolButton *m_markAllButton = nullptr;
    QToolButton *m_webButton = nullptr;
    QToolButton *m_updateButton = nullptr;
    QMenu *m_statisticsMenu = nullptr;
    QAction *m_captionsAction = nullptr;
};

} // namespace kivora
