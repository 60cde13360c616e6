// The progress reading of one chunk of the encoder's diagnostic output.
#include "common/diagnostics.h"
#include "export/progress.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    setDiagnosticSink([](const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray chunk(reinterpret_cast<const char *>(data), qsizetype(size));
    for (double duration : {8.0, 0.001, 0.0, 1e300})
        (void)progressPercent(chunk, duration);
    const QString text = QString::fromUtf8(chunk);
    for (const QString &match : Utils::matches(Utils::timestampPattern, text))
        (void)Utils::secondsFromTimestamp(match);
    (void)Utils::secondsFromTimestamp(text);
    return 0;
}
