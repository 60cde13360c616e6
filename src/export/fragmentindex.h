#pragma once

#include <QList>
#include <QString>

#include <optional>

// One fragment of a fragmented MP4: its movie fragment box and the media data
// after it, as one byte range of the file, and how long its video plays.
struct Mp4Fragment
{
    qint64 offset = 0;
    qint64 size = 0;
    double seconds = 0;

    bool operator==(const Mp4Fragment &) const = default;
};

// Where a fragmented MP4's parts lie: the initialisation (the file type and the
// movie, without samples) from the first byte, then the fragments in order.
struct FragmentIndex
{
    qint64 initSize = 0;
    QList<Mp4Fragment> fragments;

    [[nodiscard]] qint64 mediaBytes() const;
    [[nodiscard]] double seconds() const;
};

// The index of a fragmented MP4, read from the boxes' headers and the video
// track's fragment headers only. Nothing when the file cannot be read, is not
// fragmented, has no video track, or a fragment has no video.
[[nodiscard]] std::optional<FragmentIndex> readFragmentIndex(const QString &path);
