#pragma once

#include "results/ResultsLoad.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace kivora {

class MessageCatalog;
class PlatformServices;

// The add-draw dialog: one draw typed by the user is appended to the results base.
class TAddTirag final : public QDialog
{
    Q_OBJECT
public:
    TAddTirag(const MessageCatalog &messages, PlatformServices &services, QWidget *parent = nullptr);

    // Shows the dialog for the loaded lottery; true when a draw was written.
    bool execFor(const LoadResult &loaded);

private:
    void FormShow();
    void OKBtnClick();

    const MessageCatalog &m_messages;
    PlatformServices &m_services;
    const LoadResult *m_loaded = nullptr;

    QSpinBox *UpDown1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QDateEdit *DateTimePicker1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QComboBox *ComboBox2 = nullptr;
    QLineEdit *MaskEdit1 = nullptr;
    QLineEdit *MaskEdit2 = nullptr;
    QLabel *Panel1 = nullptr;
};

} // namespace kivora
