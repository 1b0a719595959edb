#pragma once

#include "play/WheelVerifier.h"

#include <QDialog>
#include <QStringList>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QThread;
class QTimer;

namespace kivora {

class MessageCatalog;

// Checks the current system's guarantee "t if m" on its numbers and shows whether it
// holds, how many sets of m no ticket meets in t numbers and the first of them. The
// check runs on a worker thread: with many numbers and a large m it can take long, so
// the bar shows the share of the sets decided and Cancel stops it.
class WheelCheckDialog final : public QDialog
{
    Q_OBJECT
public:
    WheelCheckDialog(const MessageCatalog &messages, QWidget *parent = nullptr);
    ~WheelCheckDialog() override;

    // The system to check: its name, its tickets and how many numbers it uses. The
    // guarantee it states, when it states one, is the one proposed; the holes are shown
    // as the marked numbers (in the order the system takes them) when enough are marked.
    void prepare(const QString &systemName, const std::vector<quint64> &tickets, int uses, int ticketSize,
        const std::optional<wheel::Guarantee> &stated = std::nullopt, const QStringList &marked = {});
    bool isChecking() const { return m_thread != nullptr; }

public slots:
    void check();
    // Stops a running check; its result is not shown.
    void cancelCheck();
    void reject() override;

signals:
    void checkFinished();

private:
    void onFinished();
    void setChecking(bool checking);
    // A set of positions not covered, as numbers: "05 11 17".
    QString holeText(quint64 hole) const;

    const MessageCatalog &m_messages;
    QLabel *m_system = nullptr;
    QSpinBox *m_numbers = nullptr;
    QSpinBox *m_match = nullptr;
    QSpinBox *m_drawn = nullptr;
    QProgressBar *m_bar = nullptr;
    QLabel *m_result = nullptr;
    QPlainTextEdit *m_holes = nullptr;
    QPushButton *m_check = nullptr;
    QPushButton *m_cancel = nullptr;
    QTimer *m_clock = nullptr;
    std::vector<quint64> m_tickets;
    int m_uses = 0;
    QStringList m_marked; // the numbers at the system's positions

    QThread *m_thread = nullptr;
    std::atomic_bool m_stop { false };
    std::shared_ptr<std::atomic_int> m_perMille;
    std::shared_ptr<wheel::CheckResult> m_running;
    wheel::Guarantee m_checked;
};

} // namespace kivora
