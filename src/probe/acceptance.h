#pragma once

#include "probe/fileprobe.h"

#include <QString>

#include <optional>

// Why a file cannot become the source of an export, as the user reads it; nothing
// when it can. Vob and hevc files are refused by name whatever the probe found.
[[nodiscard]] std::optional<QString> refusalMessage(const QString &path, const FileProbe &probe);
