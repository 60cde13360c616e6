#include "probe/proberrun.h"

#include "tools/toolrun.h"

#include <atomic>

namespace {

std::atomic<qint64> timeLimitMs{120'000};

} // namespace

void setProberTimeLimit(std::chrono::milliseconds limit)
{
    timeLimitMs = limit.count();
}

QByteArray runProber(const QString &program, const QStringList &arguments)
{
    const ToolRun::Result result = ToolRun::run(program, arguments, {std::chrono::milliseconds(timeLimitMs.load())});
    // A prober that fails still answers, with an "error" member; one that was stopped has no answer.
    if (result.end != ToolRun::Result::End::Exited && result.end != ToolRun::Result::End::Crashed)
        return {};
    return result.output;
}
