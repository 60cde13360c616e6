#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <optional>

class BackgroundWorker;

// Extracts poster frames off the main thread, one at a time: a request made
// while one runs replaces any request still waiting, so the latest position wins.
class PosterPreview : public QObject
{
    Q_OBJECT
public:
    PosterPreview(BackgroundWorker &worker, QObject *parent = nullptr);

    // filters: the encoder's, for the preview (PosterFrame::previewFilters).
    // exactTime: the frame at seconds itself, not the poster slider's position (PosterFrame::extractAtTime).
    void request(const QString &source, double seconds, const QString &filters, bool exactTime = false);
    [[nodiscard]] bool isIdle() const { return !m_running; }
    // Runs then once no extraction is running or waiting, after its frame is shown.
    void whenIdle(std::function<void()> then);

Q_SIGNALS:
    // The frame of the latest request; a null image when none came out.
    void frameReady(const QImage &frame);

private:
    struct Request
    {
        QString source;
        double seconds;
        QString filters;
        bool exactTime;
    };
    void start(const Request &request);

    BackgroundWorker &m_worker;
    QTemporaryDir m_folder;
    bool m_running = false;
    std::optional<Request> m_pending;
    QList<std::function<void()>> m_idleCallbacks;
};
