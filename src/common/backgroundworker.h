#pragma once

#include <QObject>
#include <QSet>
#include <QThread>

#include <memory>
#include <optional>
#include <type_traits>

// Runs blocking work (a probe, a frame extraction) on a thread of its own and
// hands the result to a callback on this object's thread. Waits for unfinished
// work when destroyed, so no thread outlives the window.
class BackgroundWorker : public QObject
{
public:
    using QObject::QObject;
    ~BackgroundWorker() override { waitForAll(); }

    // Waits for every unfinished piece of work; their callbacks never run.
    void waitForAll()
    {
        for (QThread *thread : std::as_const(m_threads)) {
            thread->disconnect(this);
            thread->wait();
            delete thread;
        }
        m_threads.clear();
    }

    template <typename Work, typename Done>
    void run(Work work, Done done)
    {
        using Result = std::invoke_result_t<Work>;
        auto result = std::make_shared<std::optional<Result>>();
        QThread *thread = QThread::create([work = std::move(work), result]() mutable { result->emplace(work()); });
        m_threads.insert(thread);
        connect(thread, &QThread::finished, this, [this, thread, result, done = std::move(done)]() mutable {
            m_threads.remove(thread);
            thread->deleteLater();
            done(std::move(**result));
        });
        thread->start();
    }

private:
    QSet<QThread *> m_threads;
};
