#pragma once

#include "probe/fileprobe.h"

#include <QString>

#include <optional>

// Why a file cannot become the source of an export, as the user reads it; nothing
// when it can. Vob and hevc files are refused by name whatever the probe found.
[[nodiscard]] std::optional<QString> refusalMessage(const QString &path, const FileProbe &probe);

// Why the file was refused, for "Show Details...": gone, empty, what the prober
// said, encrypted, or no picture in it; then its first bytes, which tell a
// text file or a download's error page at a glance. Empty for a vob or hevc
// file, which is refused by name.
[[nodiscard]] QString refusalDetails(const QString &path, const FileProbe &probe);

// The refusal followed by its details on a line of their own, for where no
// "Show Details..." button is (the command line, the queue's row).
[[nodiscard]] std::optional<QString> refusalWithDetails(const QString &path, const FileProbe &probe);
