#pragma once

#include "common/threadcancel.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QObject>
#include <QThread>

#include <atomic>
#include <memory>
#include <optional>
#include <type_traits>

// Runs blocking work (a probe, a frame extraction) on a thread of its own and
// hands the result to a callback on this object's thread. Work it no longer
// wants is cancelled: the tools it runs are stopped (ThreadCancel). When
// destroyed it cancels and waits for unfinished work, so no thread and no
// tool outlives the window.
class BackgroundWorker : public QObject
{
public:
    using QObject::QObject;
    ~BackgroundWorker() override { waitForAll(); }

    // Cancels every unfinished piece of work and waits for it; their callbacks never run.
    void waitForAll()
    {
        cancelAll();
        for (auto it = m_threads.cbegin(); it != m_threads.cend(); ++it) {
            it.key()->disconnect(this);
            it.key()->wait();
            delete it.key();
        }
        m_threads.clear();
    }

    // Asks every unfinished piece of work to stop; their callbacks still run, with what the work made of it.
    void cancelAll()
    {
        for (const std::shared_ptr<std::atomic<bool>> &cancelled : std::as_const(m_threads))
            cancelled->store(true);
    }

    // For an abnormal end, when the event loop will not run again: cancels every
    // unfinished piece of work and waits until the deadline for its thread to
    // end, touching nothing else.
    void cancelAndAwait(QDeadlineTimer deadline)
    {
        cancelAll();
        for (auto it = m_threads.cbegin(); it != m_threads.cend(); ++it)
            it.key()->wait(deadline);
    }

    template <typename Work, typename Done>
    void run(Work work, Done done)
    {
        using Result = std::invoke_result_t<Work>;
        auto result = std::make_shared<std::optional<Result>>();
        auto cancelled = std::make_shared<std::atomic<bool>>(false);
        QThread *thread = QThread::create([work = std::move(work), result, cancelled]() mutable {
            ThreadCancel::setFlag(cancelled.get());
            result->emplace(work());
            ThreadCancel::setFlag(nullptr);
        });
        m_threads.insert(thread, cancelled);
        connect(thread, &QThread::finished, this, [this, thread, result, done = std::move(done)]() mutable {
            m_threads.remove(thread);
            thread->deleteLater();
            done(std::move(**result));
        });
        thread->start();
    }

private:
    QHash<QThread *, std::shared_ptr<std::atomic<bool>>> m_threads;
};
