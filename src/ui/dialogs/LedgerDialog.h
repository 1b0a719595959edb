#pragma once

#include "reports/Ledger.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTableWidget;

namespace kivora {

class MessageCatalog;
class PlatformServices;

// The income and expenses ledger of the current lottery: one entry per draw date with
// the money spent and won, each entry's balance and the totals.
class LedgerDialog final : public QDialog
{
    Q_OBJECT
public:
    LedgerDialog(const MessageCatalog &messages, PlatformServices &services, QWidget *parent = nullptr);

    // Opens the ledger beside the results base; false when its file cannot be read
    // (the message has been shown).
    bool openFor(const QString &lotteryName, const QString &resultsBasePath);
    const Ledger &ledger() const { return m_ledger; }

    void addEntry();
    void deleteEntry();
    void saveAndClose();
    // Closing with unsaved changes asks whether to save them.
    void reject() override;

private:
    void fillGrid();
    void showRow(int row);
    void recompute();
    void cellEdited(int row, int column);
    void showHint(int column);

    const MessageCatalog &m_messages;
    PlatformServices &m_services;
    Ledger m_ledger;
    QString m_path;
    bool m_filling = false;
    bool m_modified = false;

    QGroupBox *m_lotteryGroup = nullptr;
    QTableWidget *m_entriesGrid = nullptr;
    QTableWidget *m_totalsGrid = nullptr;
    QLabel *m_hintLabel = nullptr;
    QPushButton *m_addButton = nullptr;
    QPushButton *m_deleteButton = nullptr;
    QMenu *m_gridMenu = nullptr;
};

} // namespace kivora
