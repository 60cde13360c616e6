#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>

class QProcess;

// Runs a tool to its end on the calling thread, the one way every short tool
// run here goes: no terminal input (a tool that reads gets end of file), a
// child that ends with the application, a time limit, a cancel flag that
// another thread may set, and the last lines of what it said on standard error.
namespace ToolRun {

struct Options
{
    std::chrono::milliseconds timeLimit{120'000};
    const std::atomic<bool> *cancelled = nullptr; // polled; set from any thread (the thread's own flag is obeyed too)
    bool errorsAsOutput = false;                  // standard error read into output, as one stream
};

struct Result
{
    enum class End { Exited, NotStarted, TimedOut, Cancelled, Crashed };
    End end = End::NotStarted;
    int exitCode = -1;
    QByteArray output;  // standard output (with standard error when asked)
    QString errorLines; // the last lines of standard error (of the output, merged), or why it did not start

    [[nodiscard]] bool succeeded() const { return end == End::Exited && exitCode == 0; }
};

[[nodiscard]] Result run(const QString &program, const QStringList &arguments, const Options &options = {});

// How many lines of standard error a result keeps.
inline constexpr int keptErrorLines = 8;

} // namespace ToolRun

// A child that ends with this application even when it is killed outright: the
// kernel sends it SIGTERM when the thread that started it ends, so the child
// must be waited for on that thread (as every tool run here is).
void endWithApplication(QProcess &process);
