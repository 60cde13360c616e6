// The media description built from an arbitrary prober answer (no process).
#include "common/diagnostics.h"
#include "probe/fileprobe.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    setDiagnosticSink([](const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray answer(reinterpret_cast<const char *>(data), qsizetype(size));
    // Any non-empty file will do: the answer stands in for the prober's.
    const FileProbe probe(QStringLiteral("/proc/self/exe"), answer);
    (void)probe.chapterKeyValues();
    if (probe.firstVideoTrackInfo)
        (void)(*probe.firstVideoTrackInfo)[u"width"].numberValue().toInt64();
    return 0;
}
