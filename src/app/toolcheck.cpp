#include "app/toolcheck.h"

#include "probe/acceptance.h"
#include "probe/fileprobe.h"
#include "tools/mediatools.h"
#include "tools/toolversion.h"

#include <cstdio>

namespace {

void printLine(const QString &line)
{
    std::puts(line.toUtf8().constData());
}

} // namespace

int checkTools(const QStringList &arguments)
{
    printLine(QStringLiteral("resources: ") + MediaTools::resourceDirectory());
    bool ok = true;
    for (QStringView name : {MediaTools::proberName, MediaTools::encoderName}) {
        const std::optional<QString> path = MediaTools::resourcePath(name);
        printLine(name.toString() + QStringLiteral(": ") + path.value_or(QStringLiteral("missing")));
        ok = ok && path.has_value();
    }
    printLine(QStringLiteral("encoder: ") + MediaTools::encoderVersion());
    if (arguments.size() > 2) {
        const QString file = arguments.at(2);
        const FileProbe probe(file);
        const std::optional<QString> refusal = refusalMessage(file, probe);
        printLine(QStringLiteral("probe: %1 track(s), %2 video, %3 audio, %4")
                      .arg(probe.numberOfTracks)
                      .arg(probe.numberOfVideoTracks)
                      .arg(probe.numberOfAudioTracks)
                      .arg(refusal.value_or(QStringLiteral("accepted"))));
        ok = ok && !refusal;
    }
    return ok ? 0 : 1;
}
