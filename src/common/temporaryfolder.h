#pragma once

#include <QString>

// A template for QTemporaryDir: a private folder (mode 0700) of this
// application in the per-user temporary directory, whose path holds no "%",
// which ffmpeg's image and pass-log writers would read as a number pattern.
// The name carries the process id, so a later run can tell whose it is.
[[nodiscard]] QString privateTemporaryTemplate();

// Removes the temporary folders of this application's runs that ended without
// removing them (killed outright, a power cut): only those whose process is
// gone, and of the older unmarked ones only the empty. The number removed.
int removeStaleTemporaryFolders();

// Removes this process's own temporary folders, whoever made them, when it
// cannot end in order.
void removeOwnTemporaryFolders();
