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
class AddDrawDialog final : public QDialog
{
    Q_OBJECT
public:
    AddDrawDialog(const MessageCatalog &messages, PlatformServices &services, QWidget *parent = nullptr);

    // Shows the dialog for the loaded lottery; true when a draw was written.
    bool execFor(const LoadResult &loaded);

private:
    void resetFields();
    void writeDraw();

    const MessageCatalog &m_messages;
    PlatformServices &m_services;
    const LoadResult *m_loaded = nullptr;

    QSpinBox *m_numberSpin = nullptr;
    QLineEdit *m_numberEdit = nullptr;
    QDateEdit *m_dateEdit = nullptr;
    QComboBox *m_machineBox = nullptr;
    QComboBox *m_ballSetBox = nullptr;
    QLineEdit *m_mainNumbersEdit = nullptr;
    QLineEdit *m_additionalEdit = nullptr;
    QLabel *m_errorLabel = nullptr;
};

} // namespace kivora
