#pragma once

#include <QStringList>

// The subtitle codecs the track table calls "Text-Based", by the prober's codec names.
[[nodiscard]] const QStringList &textSubtitleCodecs();
