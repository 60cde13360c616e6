#include "app/posterpreview.h"

#include "app/backgroundworker.h"
#include "export/posterframe.h"

#include <QDir>

namespace {

// A private folder (mode 0700) for the frame file, whose path holds no "%":
// ffmpeg's image writer would read it as a frame-number pattern.
QString temporaryTemplate()
{
    QString base = QDir::tempPath();
    if (base.contains(u'%'))
        base = QStringLiteral("/tmp");
    return base + QStringLiteral("/videofold-XXXXXX");
}

} // namespace

PosterPreview::PosterPreview(BackgroundWorker &worker, QObject *parent)
    : QObject(parent), m_worker(worker), m_folder(temporaryTemplate())
{
}

void PosterPreview::request(const QString &source, double seconds)
{
    if (m_running) {
        m_pending = Request{source, seconds};
        return;
    }
    start({source, seconds});
}

void PosterPreview::start(const Request &request)
{
    m_running = true;
    const QString folder = m_folder.path();
    m_worker.run([request, folder] { return PosterFrame::extract(request.source, request.seconds, folder); },
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
