#pragma once

#include "core/ProgramFolder.h"

#include <QDialog>
#include <QStringList>

class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace kivora {

// Choosing a system from a list, with the description lines of its template beside it.
class SystemDialog final : public QDialog
{
    Q_OBJECT
public:
    explicit SystemDialog(const ProgramFolder &folder, QWidget *parent = nullptr);

    // Fills the list with the system names (the selector's entries, in order) of the
    // system-list section, selects the first and gives the list the focus. The caller
    // then shows the dialog.
    void prepare(const QStringList &systems, const QString &section);

    // The index of the selected entry, or -1.
    int selectedIndex() const;

signals:
    // The user chose the entry at index (OK, or a double-click that leaves the dialog open).
    void systemChosen(int index);

public slots:
    void acceptChoice();
    void onSystemDoubleClicked();

private:
    void showDescription();

    ProgramFolder m_folder;
    QString m_section;

    QGroupBox *m_nameGroup = nullptr;
    QGroupBox *m_descriptionGroup = nullptr;
    QListWidget *m_systemList = nullptr;
    QPlainTextEdit *m_description = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
};

} // namespace kivora
