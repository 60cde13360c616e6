// Unpacking the movie-information property list of an "iTunMOVI" tag.
#include "common/diagnostics.h"
#include "probe/movieinfo.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    setDiagnosticSink([](const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    KeyValueMap entries;
    // As text, and one character per byte, as binary lists arrive.
    unpackMovieInformation(QString::fromUtf8(bytes), entries);
    unpackMovieInformation(QString::fromLatin1(bytes), entries);
    (void)sortedByKey(entries);
    return 0;
}
