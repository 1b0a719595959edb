#include "ui/JobRunner.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <exception>
#include <new>

namespace kivora {

JobRunner::JobRunner(QObject *parent)
    : QObject(parent)
{
    // One job runs at a time, but a cancelled one may still be unwinding.
    m_pool.setMaxThreadCount(2);
}

JobRunner::~JobRunner()
{
    cancel();
    m_pool.waitForDone();
}

std::shared_ptr<JobRunner::State> JobRunner::beginJob()
{
    if (m_current)
        m_current->cancelled = true;
    const bool wasBusy = static_cast<bool>(m_current);
    m_current = std::make_shared<State>();
    if (!wasBusy)
        emit busyChanged(true);
    return m_current;
}

Progress JobRunner::progressOf(const std::shared_ptr<State> &state)
{
    State *s = state.get();
    return [s](int min, int max, int position) {
        if (s->cancelled.load(std::memory_order_relaxed))
            throw JobCancelled();
        s->min.store(min, std::memory_order_relaxed);
        s->max.store(max, std::memory_order_relaxed);
        s->position.store(position, std::memory_order_relaxed);
    };
}

void JobRunner::runOnPool(std::shared_ptr<State> state, std::function<void()> work,
    std::function<void()> done, std::function<void(const QString &)> failed)
{
    m_pool.start([this, state, work = std::move(work), done = std::move(done), failed = std::move(failed)] {
        QString error;
        bool ok = false;
        try {
            work();
            ok = true;
        } catch (const JobCancelled &) {
        } catch (const std::bad_alloc &) {
            error = QStringLiteral("Not enough memory");
        } catch (const std::exception &e) {
            error = QString::fromLocal8Bit(e.what());
        }
        // Back on the window's thread; a job superseded meanwhile shows nothing.
        QMetaObject::invokeMethod(
            this,
            [this, state, ok, error, done, failed] {
                if (state != m_current)
                    return;
                finish(state);
                if (state->cancelled)
                    return;
                if (ok)
                    done();
                else if (!error.isEmpty() && failed)
                    failed(error);
            },
            Qt::QueuedConnection);
    });
}

void JobRunner::finish(const std::shared_ptr<State> &state)
{
    if (state != m_current)
        return;
    m_current.reset();
    emit busyChanged(false);
}

void JobRunner::cancel()
{
    if (!m_current)
        return;
    m_current->cancelled = true;
    finish(m_current);
}

void JobRunner::waitForDone()
{
    while (m_current) {
        m_pool.waitForDone(20);
        QCoreApplication::processEvents();
    }
}

JobRunner::Snapshot JobRunner::progress() const
{
    if (!m_current)
        return {};
    return { m_current->min.load(), m_current->max.load(), m_current->position.load() };
}

} // namespace kivora
