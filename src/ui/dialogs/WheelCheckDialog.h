#pragma once

#include "play/WheelVerifier.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace kivora {

class MessageCatalog;

// Checks the current system's guarantee "t if m" on its numbers and shows whether it
// holds, how many sets of m no ticket meets in t numbers and the first of them.
class WheelCheckDialog final : public QDialog
{
    Q_OBJECT
public:
    WheelCheckDialog(const MessageCatalog &messages, QWidget *parent = nullptr);

    // The system to check: its name, its tickets and how many numbers it uses.
    void prepare(const QString &systemName, const std::vector<quint64> &tickets, int uses, int ticketSize);

public slots:
    void check();

private:
    const MessageCatalog &m_messages;
    QLabel *m_system = nullptr;
    QSpinBox *m_numbers = nullptr;
    QSpinBox *m_match = nullptr;
    QSpinBox *m_drawn = nullptr;
    QLabel *m_result = nullptr;
    QPlainTextEdit *m_holes = nullptr;
    QPushButton *m_check = nullptr;
    std::vector<quint64> m_tickets;
    int m_uses = 0;
};

} // namespace kivora
