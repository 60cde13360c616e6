#pragma once

#include <QByteArray>
#include <QList>

class QFile;

// One box of an MP4 (ISO base media) file: its four-letter type and where its
// content lies in the file.
struct Mp4Box
{
    QByteArray type;
    qint64 body = 0; // where its content starts, after the size and the type
    qint64 end = 0;  // one past its last byte
    qint64 start = 0; // its first byte, the size's
};

// The boxes one after another in [start, end) of an open file, reading only
// their headers: a 32-bit size, or 1 and a 64-bit size after the type, or 0 for
// "to the end". A box that runs past end (a truncated file) ends at end; a size
// smaller than its own header ends the list.
[[nodiscard]] QList<Mp4Box> mp4Boxes(QFile &file, qint64 start, qint64 end);
