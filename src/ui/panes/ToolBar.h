#pragma once

// The tool bar above the views: the command buttons and the system box. It reports
// each click as a signal; the window carries the commands out and disables the
// buttons while a job runs.

#include <QWidget>

class QComboBox;
class QHBoxLayout;
class QMenu;
class QToolButton;

namespace kivora {

class ToolBar final : public QWidget
{
    Q_OBJECT
public:
    explicit ToolBar(QWidget *parent);

    // The systems the marked numbers are expanded by.
    QComboBox *systemBox() const { return m_systemBox; }
    // The menu the statistics button opens under itself.
    void setStatisticsMenu(QMenu *menu) { m_statisticsMenu = menu; }
    // The buttons and the system box, which read or change the lottery's data.
    void setCommandsEnabled(bool enabled);

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
    QToolButton *addButton(QHBoxLayout *row, const char *name, const char *icon, const QString &hint);
    void popupStatisticsMenu();

    QToolButton *m_addButton = nullptr;
    QToolButton *m_clearButton = nullptr;
    QToolButton *m_randomButton = nullptr;
    QToolButton *m_statButton = nullptr;
    QComboBox *m_systemBox = nullptr;
    QToolButton *m_saveButton = nullptr;
    QToolButton *m_checkButton = nullptr;
    QToolButton *m_exitButton = nullptr;
    QToolButton *m_markAllButton = nullptr;
    QToolButton *m_webButton = nullptr;
    QToolButton *m_updateButton = nullptr;
    QMenu *m_statisticsMenu = nullptr;
};

} // namespace kivora
