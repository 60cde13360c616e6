#include "common/abnormalexit.h"

#include "common/temporaryfolder.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QtGlobal>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <mutex>
#include <thread>

namespace AbnormalExit {

namespace {

std::atomic<bool> installed = false;
enum class State { Running, Ending, Ended };
std::atomic<State> state = State::Running;
std::mutex cleanupsMutex;
QMap<quint64, std::function<void()>> cleanups;
quint64 nextId = 1;

// The tools this process started, from every thread's list of children.
QList<pid_t> children()
{
    QList<pid_t> found;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile list(tasks.filePath(task + QStringLiteral("/children")));
        if (!list.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &pid : list.readAll().split(' ')) {
            if (const pid_t number = pid_t(pid.trimmed().toInt()); number > 0)
                found << number;
        }
    }
    return found;
}

void endNow()
{
    State running = State::Running;
    if (!state.compare_exchange_strong(running, State::Ending)) {
        if (running == State::Ended)
            return; // an ordinary end
        // Another thread is cleaning up: this one must not end the program first.
        for (;;)
            ::pause();
    }
    const bool exporting = cleanUp();
    std::fputs(exporting ? "videofold: the display went away; the export under way was stopped and its folder removed\n"
                         : "videofold: the display went away\n",
               stderr);
    std::fflush(nullptr);
    // Ours, not the library's status; and no destructors run under threads still working.
    ::_exit(lostDisplayStatus);
}

QtMessageHandler previousHandler = nullptr;

// Qt's platforms say so just before they end the program; nothing has been torn down yet.
void onMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    if (message.startsWith(u"The X11 connection broke") || message.startsWith(u"The Wayland connection broke"))
        endNow();
}

} // namespace

bool cleanUp()
{
    // Nothing writes into the folders once the tools are gone.
    for (const pid_t child : children())
        ::kill(child, SIGKILL);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    bool exporting = false;
    {
        const std::lock_guard lock(cleanupsMutex);
        exporting = !cleanups.isEmpty();
        for (const std::function<void()> &cleanup : std::as_const(cleanups))
            cleanup();
        cleanups.clear();
    }
    removeOwnTemporaryFolders();
    return exporting;
}

void install()
{
    // Caught where the platform says the display is gone, before anything is torn down;
    // and at the exit itself, for a library that says nothing first.
    previousHandler = qInstallMessageHandler(onMessage);
    if (!installed.exchange(true))
        std::atexit(endNow);
}

void ordinaryEnd()
{
    State running = State::Running;
    state.compare_exchange_strong(running, State::Ended);
}

quint64 addCleanup(std::function<void()> cleanup)
{
    const std::lock_guard lock(cleanupsMutex);
    cleanups.insert(nextId, std::move(cleanup));
    return nextId++;
}

void dropCleanup(quint64 id)
{
    const std::lock_guard lock(cleanupsMutex);
    cleanups.remove(id);
}

} // namespace AbnormalExit
