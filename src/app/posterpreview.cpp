#include "app/posterpreview.h"

#include "common/backgroundworker.h"
#include "common/temporaryfolder.h"
#include "export/posterframe.h"

#include <QDir>

PosterPreview::PosterPreview(BackgroundWorker &worker, QObject *parent)
    : QObject(parent), m_worker(worker), m_folder(privateTemporaryTemplate())
{
}

void PosterPreview::request(const QString &source, double seconds, const QString &filters, bool exactTime)
{
    if (m_running) {
        m_pending = Request{source, seconds, filters, exactTime};
        return;
    }
    start({source, seconds, filters, exactTime});
}

void PosterPreview::start(const Request &request)
{
    m_running = true;
    const QString folder = m_folder.path();
    m_worker.run(
        [request, folder] {
            if (request.exactTime)
                return PosterFrame::extractAtTime(request.source, request.seconds, folder, request.filters);
            return PosterFrame::extract(request.source, request.seconds, folder, request.filters);
        },
                 [this](QImage frame) {
                     m_running = false;
                     if (m_pending) {
                         const Request next = *m_pending;
                         m_pending.reset();
                         start(next);
                         return;
                     }
                     Q_EMIT frameReady(frame);
                     const QList<std::function<void()>> callbacks = std::exchange(m_idleCallbacks, {});
                     for (const auto &callback : callbacks)
                         callback();
                 });
}

void PosterPreview::whenIdle(std::function<void()> then)
{
    if (!m_running) {
        then();
        return;
    }
    m_idleCallbacks.append(std::move(then));
}
