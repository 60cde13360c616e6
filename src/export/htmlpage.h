#pragma once

#include "export/pagecontent.h"

#include <QByteArray>
#include <QString>

// The player options of the page, from the user's preferences.
struct PageOptions
{
    bool controls = false;
    bool autoplay = false;
    bool loop = false;
    bool muted = false;
};

inline constexpr QStringView pageFileName = u"html5Video.html";

// The page that plays html5video.mp4 at W x H with poster.jpg, byte for byte:
// eleven lines, tab-indented, UTF-8, no line feed after the last.
[[nodiscard]] QByteArray html5PageBytes(qint64 width, qint64 height, PageOptions options);

// The page for every visitor: a language and a title, a viewport for phones, a
// video that shrinks to a narrow screen, plays inline when it starts by itself,
// and carries the caption tracks. Tab-indented UTF-8 like the page above.
[[nodiscard]] QByteArray visitorPageBytes(qint64 width, qint64 height, PageOptions options,
                                          const PageContent &content);

// Writes bytes to path atomically; false when it could not.
bool writeFileAtomically(const QString &path, const QByteArray &bytes);
