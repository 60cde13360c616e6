#include "common/temporaryfolder.h"

#include "common/diagnostics.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

QString temporaryBase()
{
    const QString base = QDir::tempPath();
    return base.contains(u'%') ? QStringLiteral("/tmp") : base;
}

// Whether the process may still be running: kill(pid, 0) fails with ESRCH only
// when there is no such process (EPERM means another user's, alive).
bool isProcessAlive(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno != ESRCH);
}

} // namespace

QString privateTemporaryTemplate()
{
    return temporaryBase() + QStringLiteral("/videofold-%1-XXXXXX").arg(QCoreApplication::applicationPid());
}

int removeStaleTemporaryFolders()
{
    // QTemporaryDir replaces the six X with letters and digits.
    static const QRegularExpression marked(QStringLiteral("^videofold-([0-9]+)-[A-Za-z0-9]{6}$"));
    static const QRegularExpression unmarked(QStringLiteral("^videofold-[A-Za-z0-9]{6}$"));
    const QDir base(temporaryBase());
    int removed = 0;
    const QStringList names = base.entryList({QStringLiteral("videofold-*")}, QDir::Dirs | QDir::NoSymLinks | QDir::Hidden);
    for (const QString &name : names) {
        const QFileInfo info(base.filePath(name));
        if (!info.isWritable() || info.ownerId() != ::getuid())
            continue; // another user's
        const QRegularExpressionMatch match = marked.match(name);
        bool stale = false;
        if (match.hasMatch())
            stale = !isProcessAlive(match.captured(1).toLongLong());
        else if (unmarked.match(name).hasMatch())
            stale = QDir(info.filePath()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        if (stale && QDir(info.filePath()).removeRecursively())
            ++removed;
    }
    if (removed > 0)
        writeDiagnosticLine(QStringLiteral("Removed %1 temporary %2 of earlier runs")
                                .arg(removed)
                                .arg(removed == 1 ? QStringLiteral("folder") : QStringLiteral("folders")));
    return removed;
}

void removeOwnTemporaryFolders()
{
    const QDir base(temporaryBase());
    const QString own = QStringLiteral("videofold-%1-??????").arg(QCoreApplication::applicationPid());
    for (const QString &name : base.entryList({own}, QDir::Dirs | QDir::NoSymLinks | QDir::Hidden))
        QDir(base.filePath(name)).removeRecursively();
}
