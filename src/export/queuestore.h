#pragma once

#include "export/queuedexport.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The export queue on disk, so that a crash or a power cut loses no queued
// export. Each process keeps its own file in the application's data folder,
// "exportqueue-PID.json", rewritten whole on every change; the files of
// processes that are gone are what a new launch offers back.
namespace QueueStore {

[[nodiscard]] QString filePath(const QString &directory, qint64 processId);

// The lock beside a queue file ("exportqueue-PID.lock"), held by the process
// whose queue it is for as long as that lives: the kernel lets go of it however
// the process ends (a crash, a kill, a power cut), so a process id given again
// after a reboot does not pass for the queue's owner.
[[nodiscard]] QString lockFilePath(const QString &queueFile);
class Lock
{
public:
    explicit Lock(const QString &queueFile);
    ~Lock();
    Lock(const Lock &) = delete;
    Lock &operator=(const Lock &) = delete;

    [[nodiscard]] bool isHeld() const { return m_descriptor >= 0; }
    // Whether a live process holds the lock at path (false when there is none).
    [[nodiscard]] static bool isHeldAt(const QString &path);

private:
    QString m_path;
    int m_descriptor = -1;
};

// Writes the queue atomically (a crash leaves the old file or the new one). False on failure.
bool save(const QString &filePath, const QList<QueuedExport> &exports);

// What a queue file holds; nothing when it is damaged or not a queue file.
[[nodiscard]] std::optional<QList<QueuedExport>> read(const QString &filePath);
// The same from the file's bytes.
[[nodiscard]] std::optional<QList<QueuedExport>> parse(const QByteArray &bytes);

// The queues that processes which are gone left behind: their locks free (or,
// for a queue written without one, their process ids free).
struct LeftBehind
{
    QList<QueuedExport> unfinished; // waiting or running when their process ended
    QStringList files;              // to discard once the user has decided
};
// Damaged or foreign files are renamed aside (".damaged") with a diagnostic
// line and never trusted, least of all for a folder to remove.
[[nodiscard]] LeftBehind leftBehind(const QString &directory, qint64 ownProcessId);

// Readies an export left unfinished for a new start: a folder half-written by
// it is removed and made again, but only when it is still the folder made for
// it (same device and inode) holding only what an export writes. Why it
// cannot start again, when it cannot.
[[nodiscard]] std::optional<QString> readyForRestart(QueuedExport &entry);

// Removes what an unfinished export left that is not to be started again:
// the folder made for it, on the same conditions.
void abandon(const QueuedExport &entry);

} // namespace QueueStore
