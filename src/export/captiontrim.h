#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>

// The WebVTT captions of a whole video, kept for the part from start to end
// (seconds of the whole): each cue's times shifted to the new start, cues
// wholly outside dropped, and a cue across a cut clipped to it; an arrow
// ("-->") in a cue's text written "--&gt;", which browsers show as it was and
// do not take for a timing line. Blocks that are not cues (the header, notes,
// styles) are kept as they are.
[[nodiscard]] QByteArray trimmedCaptions(const QByteArray &webvtt, double start, double end);

// Writes the source's subtitle stream streamIndex as WebVTT into target, kept
// for the part from start to end. False when the encoder gives no captions, or
// when *cancelled is set meanwhile.
bool writeTrimmedCaptions(const QString &sourcePath, qint64 streamIndex, double start, double end, const QString &target,
                          const std::atomic<bool> *cancelled = nullptr);

// The captions of a whole video made safe the same way; the same bytes when nothing needs it.
[[nodiscard]] QByteArray safeCaptions(const QByteArray &webvtt);
// Rewrites the WebVTT file at path (as the encoder wrote it) safe; false when it is not one.
bool makeCaptionFileSafe(const QString &path);
