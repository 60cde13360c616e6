// The MP4 box walker over any bytes, as a damaged or truncated file gives them.
#include "export/mp4boxes.h"

#include <QTemporaryFile>

#include <cstddef>
#include <cstdint>

namespace {
QTemporaryFile *input = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    input = new QTemporaryFile;
    return input->open() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    input->resize(0);
    input->seek(0);
    input->write(reinterpret_cast<const char *>(data), qint64(size));
    input->flush();
    const qint64 end = qint64(size);
    qint64 previous = 0;
    for (const Mp4Box &box : mp4Boxes(*input, 0, end)) {
        // In order, inside the file, each after its header; and its children as well.
        if (box.body < previous + 8 || box.body > box.end || box.end > end || box.type.size() != 4)
            __builtin_trap();
        previous = box.end;
        for (const Mp4Box &child : mp4Boxes(*input, box.body, box.end)) {
            if (child.body < box.body || child.end > box.end)
                __builtin_trap();
        }
    }
    return 0;
}
