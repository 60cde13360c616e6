#pragma once

#include "export/exportrequest.h"
#include "export/failure.h"

#include <QString>

#include <optional>

struct EncoderInputs;

// What can be known before an export writes anything: whether its source can
// still be read, its folder written, and its disk hold it.

// The bytes an export needs on its folder's disk: the target (and the AV1
// version's runs beside it), the poster at the output size, and a margin for
// the container and the size's corrections.
[[nodiscard]] qint64 bytesNeeded(const ExportRequest &request);

// The folder itself when it exists, else the nearest folder above it that does.
[[nodiscard]] QString nearestExistingFolder(const QString &path);

// Why the export cannot start, in words a user can act on; nothing when it can.
// The folder is checked by writing a file into it (permission bits say nothing
// to root, nor of a read-only mount) or, before it exists, into the folder above.
[[nodiscard]] std::optional<QString> exportRefusal(const ExportRequest &request);

// A limit in bytes with no rate to aim for (a duration unknown, or nothing left
// for the picture): an encode could only overshoot it. Nothing where there is one.
[[nodiscard]] std::optional<Failure> limitWithoutRate(const ExportRequest &request, const EncoderInputs &inputs);
