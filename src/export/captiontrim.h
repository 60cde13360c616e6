#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>

// The WebVTT captions of a whole video, kept for the part from start to end
// (seconds of the whole): each cue's times shifted to the new start, cues
// wholly outside dropped, and a cue across a cut clipped to it. Blocks that
// are not cues (the header, notes, styles) are kept as they are.
[[nodiscard]] QByteArray trimmedCaptions(const QByteArray &webvtt, double start, double end);

// Writes the source's subtitle stream streamIndex as WebVTT into target, kept
// for the part from start to end. False when the encoder gives no captions, or
// when *cancelled is set meanwhile.
bool writeTrimmedCaptions(const QString &sourcePath, qint64 streamIndex, double start, double end, const QString &target,
                          const std::atomic<bool> *cancelled = nullptr);
