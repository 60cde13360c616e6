#pragma once

#include "app/sourcevideo.h"
#include "export/exportchoice.h"

#include <QObject>

#include <functional>

class ExportQueue;
class QWidget;

// Where an export of the video on display goes: the save panel, then the
// folder's refusals (the source itself or what holds it, the folder of an
// export still in the queue, what the disk and the folder allow), then the
// folder replaced and handed on, to export now or to queue.
class SaveFlow : public QObject
{
    Q_OBJECT
public:
    using RequestFor = std::function<ChosenExport(const QString &folder)>;
    // isBusy: an open or an export under way, when no folder may be replaced.
    SaveFlow(QWidget *window, const ExportQueue &queue, RequestFor requestFor, std::function<bool()> isBusy,
             QObject *parent = nullptr);

    void setSource(const SourceVideo &source) { m_source = source; }
    // The save panel; the folder chosen goes on as exportInto or queueInto would take it.
    void chooseForExport();
    void chooseForQueue();
    // Refused with an alert, or made ready (an existing one replaced) and handed on.
    void exportInto(const QString &path);
    void queueInto(const QString &path);

Q_SIGNALS:
    void exportReady(const QString &folder);
    void queueReady(const QString &folder);

private:
    void choose(void (SaveFlow::*then)(const QString &path));
    [[nodiscard]] bool canSave() const { return m_source.isOpen() && !m_isBusy(); }
    // Why path cannot take an export of the video on display (shown as an alert); false when it can.
    bool refuse(const QString &path);

    QWidget *m_window;
    const ExportQueue &m_queue;
    RequestFor m_requestFor;
    std::function<bool()> m_isBusy;
    SourceVideo m_source;
};
