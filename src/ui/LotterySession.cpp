#include "ui/LotterySession.h"

namespace kivora {

LotterySession::LotterySession(QObject *parent)
    : QObject(parent)
    , m_jobs(new JobRunner(this))
{
    connect(m_jobs, &JobRunner::busyChanged, this, &LotterySession::busyChanged);
}

void LotterySession::setLoaded(std::shared_ptr<const LoadResult> loaded)
{
    m_loaded = std::move(loaded);
    emit loadChanged();
}

void LotterySession::beginLoad()
{
    m_loadPending = true;
    setLoaded(std::make_shared<const LoadResult>());
}

void LotterySession::finishLoad(std::shared_ptr<const LoadResult> loaded)
{
    m_loadPending = false;
    setLoaded(std::move(loaded));
}

bool LotterySession::cancel(const QString &cancelledLoadReason)
{
    m_jobs->cancel();
    if (!m_loadPending)
        return false;
    m_loadPending = false;
    auto cancelled = std::make_shared<LoadResult>();
    cancelled->error = cancelledLoadReason;
    setLoaded(std::move(cancelled));
    return true;
}

} // namespace kivora
