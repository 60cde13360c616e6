// The export queue as a crash left it on disk: any bytes.
#include "export/queuestore.h"

#include <QDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QList<QueuedExport>> exports = QueueStore::parse(bytes);
    if (!exports)
        return 0;
    // A folder read back is one that may be removed: absolute, clean, never the root.
    for (const QueuedExport &entry : *exports) {
        const QString &folder = entry.request.folder;
        if (!QDir::isAbsolutePath(folder) || QDir::cleanPath(folder) != folder || folder == u"/"
            || !QDir::isAbsolutePath(entry.request.sourcePath) || !(entry.request.targetBytes > 0))
            __builtin_trap();
    }
    return 0;
}
