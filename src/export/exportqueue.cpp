#include "export/exportqueue.h"

#include "export/exportjob.h"
#include "export/queuestore.h"
#include "probe/acceptance.h"
#include "probe/fileprobe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

ExportQueue::ExportQueue(QString storeFile, QObject *parent) : QObject(parent), m_storeFile(std::move(storeFile))
{
    if (!m_storeFile.isEmpty())
        m_lock = std::make_unique<QueueStore::Lock>(m_storeFile);
}

ExportQueue::~ExportQueue()
{
    m_job.reset(); // stops the encoder and removes its folder, without a signal
    if (unfinishedCount() == 0 && !m_storeFile.isEmpty()) {
        QFile::remove(m_storeFile); // nothing to offer back
        QFile::remove(QueueStore::lockFilePath(m_storeFile)); // while still held: no one else can have taken it
    } else {
        save();
    }
}

quint64 ExportQueue::add(ExportRequest request)
{
    if (unfinishedCount() == 0)
        m_batchFirstId = m_nextId;
    QueuedExport entry;
    entry.id = m_nextId++;
    entry.folderIdentity = folderIdentity(request.folder);
    entry.request = std::move(request);
    m_exports << std::move(entry);
    save();
    Q_EMIT added(m_exports.last().id);
    startNext();
    return m_exports.last().id;
}

const QueuedExport *ExportQueue::find(quint64 id) const
{
    const auto found = std::find_if(m_exports.begin(), m_exports.end(), [id](const QueuedExport &e) { return e.id == id; });
    return found == m_exports.end() ? nullptr : &*found;
}

QueuedExport *ExportQueue::entry(quint64 id)
{
    return const_cast<QueuedExport *>(std::as_const(*this).find(id));
}

int ExportQueue::unfinishedCount() const
{
    return int(std::count_if(m_exports.begin(), m_exports.end(), [](const QueuedExport &e) { return !e.isFinished(); }));
}

double ExportQueue::overallFraction() const
{
    double done = 0;
    int count = 0;
    for (const QueuedExport &e : m_exports) {
        if (e.id < m_batchFirstId)
            continue;
        ++count;
        done += e.isFinished() ? 1.0 : e.state == QueuedExport::State::Running ? e.percent / 100 : 0.0;
    }
    return count == 0 ? 0 : done / count;
}

void ExportQueue::cancel(quint64 id)
{
    QueuedExport *e = entry(id);
    if (!e || e->isFinished())
        return;
    if (id == m_runningId && m_job) {
        m_job->cancel(); // it ends through jobFinished, once its encoder has
        return;
    }
    // Waiting, or still being probed: nothing was written into its folder.
    QueueStore::abandon(*e);
    if (id == m_runningId) {
        m_worker.cancelAll(); // its probe
        m_runningId = 0;
    }
    e->outcome.result = ExportOutcome::Result::Cancelled;
    finish(*e, QueuedExport::State::Cancelled);
}

void ExportQueue::cancelAll()
{
    hold(); // none starts while the others are being cancelled
    // The waiting ones first, so that none starts when the running one ends.
    QList<quint64> ids;
    for (const QueuedExport &e : std::as_const(m_exports)) {
        if (!e.isFinished() && e.id != m_runningId)
            ids << e.id;
    }
    if (m_runningId)
        ids << m_runningId;
    for (quint64 id : std::as_const(ids))
        cancel(id);
    release();
}

void ExportQueue::remove(quint64 id)
{
    const QueuedExport *e = find(id);
    if (!e || !e->isFinished())
        return;
    m_exports.removeIf([id](const QueuedExport &entry) { return entry.id == id; });
    save();
    Q_EMIT removed(id);
}

void ExportQueue::clearFinished()
{
    QList<quint64> ids;
    for (const QueuedExport &e : std::as_const(m_exports)) {
        if (e.isFinished())
            ids << e.id;
    }
    for (quint64 id : std::as_const(ids))
        remove(id);
}

void ExportQueue::hold()
{
    ++m_holds;
}

void ExportQueue::release()
{
    if (m_holds > 0 && --m_holds == 0)
        startNext();
}

void ExportQueue::interrupt()
{
    m_interrupted = true;
    if (m_job) {
        m_job->cancel();
        return;
    }
    if (QueuedExport *probing = m_runningId ? entry(m_runningId) : nullptr) {
        // Its probe stops; nothing was written.
        m_worker.cancelAll();
        m_runningId = 0;
        keepForNextLaunch(*probing);
    }
}

void ExportQueue::keepForNextLaunch(QueuedExport &entry)
{
    // Stopped by the session's end, not by the user: to be offered back.
    entry.state = QueuedExport::State::Waiting;
    entry.percent = 0;
    changed(entry.id);
    Q_EMIT idle();
}

void ExportQueue::startNext()
{
    if (m_runningId || m_holds > 0 || m_interrupted)
        return;
    const auto next = std::find_if(m_exports.begin(), m_exports.end(),
                                   [](const QueuedExport &e) { return e.state == QueuedExport::State::Waiting; });
    if (next == m_exports.end())
        return;
    next->state = QueuedExport::State::Running;
    m_runningId = next->id;
    changed(next->id);
    if (next->request.probe)
        startJob(next->id);
    else
        probeAndStart(next->id);
}

void ExportQueue::probeAndStart(quint64 id)
{
    const QString path = entry(id)->request.sourcePath;
    m_worker.run([path] { return std::make_shared<const FileProbe>(path); },
                 [this, id, path](std::shared_ptr<const FileProbe> probe) {
                     QueuedExport *e = entry(id);
                     if (!e || id != m_runningId)
                         return; // cancelled or interrupted meanwhile
                     if (const std::optional<QString> refusal = refusalWithDetails(path, *probe)) {
                         QueueStore::abandon(*e);
                         m_runningId = 0;
                         e->outcome.reason = *refusal;
                         finish(*e, QueuedExport::State::Failed);
                         return;
                     }
                     e->request.probe = std::move(probe);
                     startJob(id);
                 });
}

void ExportQueue::startJob(quint64 id)
{
    QueuedExport *e = entry(id);
    // The folder was made when the export was added; it may have gone since.
    if (!QFileInfo(e->request.folder).isDir()) {
        QDir().mkpath(e->request.folder);
        e->folderIdentity = folderIdentity(e->request.folder);
        save();
    }
    m_job = std::make_unique<ExportJob>(e->request);
    connect(m_job.get(), &ExportJob::progressChanged, this, [this, id](double percent, const QString &runName) {
        if (QueuedExport *running = entry(id)) {
            running->percent = percent;
            running->runName = runName;
            Q_EMIT exportChanged(id);
        }
    });
    connect(m_job.get(), &ExportJob::finished, this,
            [this, id](const ExportOutcome &outcome) { jobFinished(id, outcome); });
    m_job->start();
}

void ExportQueue::jobFinished(quint64 id, const ExportOutcome &outcome)
{
    m_job.release()->deleteLater(); // its signal is still being delivered
    m_runningId = 0;
    QueuedExport *e = entry(id);
    if (!e)
        return;
    e->outcome = outcome;
    e->request.probe.reset(); // a description can be large; the outcome is what the list shows
    if (m_interrupted && outcome.result == ExportOutcome::Result::Cancelled) {
        keepForNextLaunch(*e);
        return;
    }
    switch (outcome.result) {
    case ExportOutcome::Result::Succeeded:
        finish(*e, QueuedExport::State::Done);
        break;
    case ExportOutcome::Result::Failed:
        finish(*e, QueuedExport::State::Failed);
        break;
    case ExportOutcome::Result::Cancelled:
        finish(*e, QueuedExport::State::Cancelled);
        break;
    }
}

void ExportQueue::finish(QueuedExport &entry, QueuedExport::State state)
{
    entry.state = state;
    entry.request.probe.reset();
    const quint64 id = entry.id;
    changed(id);
    if (unfinishedCount() == 0) {
        int counts[3] = {0, 0, 0};
        for (const QueuedExport &e : std::as_const(m_exports)) {
            if (e.id >= m_batchFirstId && e.isFinished())
                ++counts[int(e.state) - int(QueuedExport::State::Done)];
        }
        Q_EMIT drained(counts[0], counts[1], counts[2]);
    }
    if (!m_runningId) {
        startNext();
        if (!m_runningId)
            Q_EMIT idle();
    }
}

void ExportQueue::changed(quint64 id)
{
    save();
    Q_EMIT exportChanged(id);
}

void ExportQueue::save() const
{
    if (!m_storeFile.isEmpty())
        QueueStore::save(m_storeFile, m_exports);
}
