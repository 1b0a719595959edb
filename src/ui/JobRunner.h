#pragma once

// Long work (loads, statistics, exports, imports, checks) runs on a worker thread so
// that the window keeps answering: the player can scroll, switch the language or
// cancel. A job takes copies or shared immutable data and returns a value; the window
// shows it when the job ends. A job is cancelled through its progress: once cancel()
// is called, the next progress report throws JobCancelled, which unwinds the job; a
// cancelled or superseded job's result is never shown.

#include "core/Progress.h"

#include <QObject>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>

namespace kivora {

struct JobCancelled
{
};

class JobRunner final : public QObject
{
    Q_OBJECT
public:
    explicit JobRunner(QObject *parent = nullptr);
    ~JobRunner() override;

    // Runs work(progress) on a worker thread, first cancelling the job that runs now:
    // one job at a time, the newest request wins. done(result) runs on this object's
    // thread; failed(message) when the job threw anything but JobCancelled.
    template<typename Result>
    void start(std::function<Result(const Progress &)> work, std::function<void(Result)> done,
        std::function<void(const QString &)> failed = {})
    {
        auto state = beginJob();
        auto result = std::make_shared<Result>();
        runOnPool(
            state, [work = std::move(work), result, state] { *result = work(progressOf(state)); },
            [done = std::move(done), result] { done(std::move(*result)); }, std::move(failed));
    }

    // Stops the running job; its result is dropped.
    void cancel();
    bool isBusy() const { return static_cast<bool>(m_current); }
    // Waits until no job runs (for tests and for closing the window).
    void waitForDone();

    // The running job's progress, read by the window's timer.
    struct Snapshot
    {
        int min = 0;
        int max = 0;
        int position = 0;
    };
    Snapshot progress() const;

signals:
    void busyChanged(bool busy);

private:
    struct State
    {
        std::atomic<bool> cancelled { false };
        std::atomic<int> min { 0 };
        std::atomic<int> max { 0 };
        std::atomic<int> position { 0 };
    };

    std::shared_ptr<State> beginJob();
    static Progress progressOf(const std::shared_ptr<State> &state);
    void runOnPool(std::shared_ptr<State> state, std::function<void()> work, std::function<void()> done,
        std::function<void(const QString &)> failed);
    void finish(const std::shared_ptr<State> &state);

    QThreadPool m_pool;
    std::shared_ptr<State> m_current;
};

} // namespace kivora
