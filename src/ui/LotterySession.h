#pragma once

// The lottery the window works on, apart from any widget: the last load of its draws
// (under the filters it was made with) and the job runner that makes loads, statistics
// and reports off the event loop. It says when a load lands and when the busy state
// changes; the window shows the one and disables its commands for the other.

#include "results/ResultsLoad.h"
#include "ui/JobRunner.h"

#include <QObject>

#include <functional>
#include <memory>

namespace kivora {

class LotterySession final : public QObject
{
    Q_OBJECT
public:
    explicit LotterySession(QObject *parent = nullptr);

    // The last load, shared with the jobs that read it; replaced, never changed.
    const std::shared_ptr<const LoadResult> &loaded() const { return m_loaded; }
    const LoadResult &load() const { return *m_loaded; }
    // The filters of the last load started.
    const DrawFilter &filter() const { return m_filter; }

    // Puts nothing in place of the last load while a new one runs.
    void beginLoad();
    void setFilter(const DrawFilter &filter) { m_filter = filter; }
    // The load landed: it replaces the last.
    void finishLoad(std::shared_ptr<const LoadResult> loaded);
    // Cancels the running job. A load cancelled leaves no lottery loaded, with the
    // reason given: then true.
    bool cancel(const QString &cancelledLoadReason);

    JobRunner &jobs() { return *m_jobs; }
    bool isBusy() const { return m_jobs->isBusy(); }

    // Runs a job off the event loop. One job runs at a time: a load supersedes the
    // running job (a new tab or filter wins); any other job waits for its turn, so a
    // request while a job runs does nothing. With wait, waitRequested comes first (the
    // window shows its wait window with Cancel); a job that fails says why through
    // jobFailed.
    template<typename Result>
    void runJob(bool wait, std::function<Result(const Progress &)> work, std::function<void(Result)> done,
        bool supersede = false)
    {
        if (isBusy() && !supersede)
            return;
        if (wait)
            emit waitRequested();
        m_jobs->start<Result>(
            std::move(work), std::move(done), [this](const QString &error) { emit jobFailed(error); });
    }

signals:
    // A load (or the empty one that stands for none) replaced the last.
    void loadChanged();
    void busyChanged(bool busy);
    // A job asks for the wait window before it starts.
    void waitRequested();
    // A job failed with this message.
    void jobFailed(const QString &error);

private:
    void setLoaded(std::shared_ptr<const LoadResult> loaded);

    std::shared_ptr<const LoadResult> m_loaded = std::make_shared<const LoadResult>();
    DrawFilter m_filter;
    bool m_loadPending = false; // a load job runs
    JobRunner *m_jobs = nullptr;
};

} // namespace kivora
