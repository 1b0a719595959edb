#pragma once

#include "core/ProgramFolder.h"

#include <QDialog>

class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTableWidgetItem;

namespace kivora {

class MessageCatalog;
class PlatformServices;

// The settings dialog: the lottery list with shown ticks and the ten keys of each
// lottery on the first page, the system lists per draw size on the second. Deletions
// and renames are written at once, parameter values by Apply or OK, the list's order
// and ticks by OK. Values that would make a lottery unloadable are refused.
class TFormSettings final : public QDialog
{
    Q_OBJECT
public:
    TFormSettings(const ProgramFolder &folder, const MessageCatalog &messages, PlatformServices &services,
        QWidget *parent = nullptr);

public slots:
    // Add a lottery row ("NewLoto_3"); nothing is written.
    void BitBtn1Click();
    // Erase the selected lottery's section and remove its row.
    void BitBtn2Click();
    // Apply the page shown; false when nothing could be written (refused or failed).
    bool BitBtn5Click();
    // Write the list, apply, tell the user and close; stays open when refused.
    void BitBtn4Click();
    void BitBtn3Click();
    // A row of the lottery list was renamed in place.
    void ListViewLotoEdited(int row, const QString &newName);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createLotteryPage(QWidget *page);
    void createTemplatePage(QWidget *page);
    void fillLotteryList();
    QStringList lotteryNames(int exceptRow = -1) const;
    int selectedLottery() const;
    int selectedTemplateLottery() const;
    void PageControl1Change(int index);
    void TabSheet1Show();
    void TabSheet2Show();
    void ListViewLotoSelectItem();
    void ListView1SelectItem();
    void showParams(const QStringList &values);
    QStringList editedParams() const;
    bool applyParams();
    bool applyTemplates();
    void TemplateAddClick();
    void TemplateDeleteClick();
    void TemplateListEditorChanged(QTableWidgetItem *item);
    void refuse(const QString &text);
    void reportWriteError(const QString &reason);

    ProgramFolder m_folder;
    const MessageCatalog &m_messages;
    PlatformServices &m_services;
    // The lottery whose values the parameter editor holds.
    QListWidgetItem *m_paramsOwner = nullptr;
    bool m_fillingTemplates = false;

    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    QListWidget *ListViewLoto = nullptr;
    QTableWidget *ParamsListEditor = nullptr;
    QListWidget *ListView1 = nullptr;
    QTableWidget *TemplateListEditor = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPushButton *BitBtn2 = nullptr;
    QPushButton *BitBtn3 = nullptr;
    QPushButton *BitBtn4 = nullptr;
    QPushButton *BitBtn5 = nullptr;
    QPushButton *TemplateAddBtn = nullptr;
    QPushButton *TemplateDeleteBtn = nullptr;
};

} // namespace kivora
