#pragma once

#include "play/WheelGenerator.h"
#include "play/WheelTemplate.h"

#include <QDialog>

#include <atomic>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QThread;
class QTimer;

namespace kivora {

class MessageCatalog;

// Makes an abbreviated system: numbers, ticket size, the guarantee "t if m" and a time
// limit. The search runs on a worker thread; the bar shows the time spent, its text
// the smallest wheel so far and the lower bound. Cancel stops the search and keeps the
// best wheel found; a second Cancel closes. OK is offered once a verified wheel is there.
class WheelMakeDialog final : public QDialog
{
    Q_OBJECT
public:
    WheelMakeDialog(const MessageCatalog &messages, QWidget *parent = nullptr);
    ~WheelMakeDialog() override;

    // Fills the fields (numbers and ticket size; the guarantee keeps its last value).
    void prepare(int numbers, int ticketSize);
    // The wheel found and its shape, once the dialog is accepted.
    const std::vector<quint64> &tickets() const { return m_result.tickets; }
    const wheel::MakeResult &result() const { return m_result; }
    wheel::WheelShape shape() const { return m_shape; }
    bool isSearching() const { return m_thread != nullptr; }

public slots:
    void startSearch();
    void reject() override;

signals:
    void searchFinished();

private:
    void onProgress(const wheel::MakeProgress &progress);
    void onFinished();
    void updateLimits();
    void setSearching(bool searching);

    const MessageCatalog &m_messages;
    QSpinBox *m_numbers = nullptr;
    QSpinBox *m_ticket = nullptr;
    QSpinBox *m_match = nullptr;
    QSpinBox *m_drawn = nullptr;
    QSpinBox *m_seconds = nullptr;
    QProgressBar *m_bar = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_start = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QTimer *m_clock = nullptr;

    QThread *m_thread = nullptr;
    std::atomic_bool m_stop { false };
    std::shared_ptr<wheel::MakeResult> m_running;
    wheel::MakeResult m_result;
    wheel::WheelShape m_shape;
    int m_bound = 0;
    qint64 m_startedMs = 0;
};

} // namespace kivora
