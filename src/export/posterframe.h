#pragma once

#include "export/outputsettings.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>

// The poster: one frame extracted by the encoder, shown as a preview 480 pixels
// high and written as poster.jpg at the output frame size.
namespace PosterFrame {

inline constexpr QStringView temporaryFileName = u"PosterFrame.jpg";
// The poster in the output folder.
inline constexpr QStringView posterFileName = u"poster.jpg";

// The position in seconds for the poster slider at percent of a duration.
[[nodiscard]] double positionSeconds(double duration, double percent);

// The time of the frame that the seek for a position shows: half the position,
// or 5 s in for a position of exactly 0 (the first frame of a shorter video).
[[nodiscard]] double shownSeconds(double positionSeconds, double duration);

// The encoder's seek text for a position: half the time in shortest double
// text, or "5" for a position of exactly 0.
[[nodiscard]] QString seekText(double seconds);

// The preview's filters: a frame 480 pixels high with square pixels, after the
// tone mapping of an HDR source (toneMapFilters, empty for SDR).
[[nodiscard]] QString previewFilters(const QString &toneMap = {});
// The poster's: the frame at the output size, as the video shows it.
[[nodiscard]] QString posterFilters(FrameSize size, const QString &toneMap = {});

// The twelve encoder arguments for one frame through the filters; without a
// seek text, the first frame (ten arguments).
[[nodiscard]] QStringList encoderArguments(const QString &seek, const QString &source, const QString &framePath,
                                           const QString &filters = previewFilters());

// Runs the encoder ("creator") once and loads the frame it wrote into
// temporaryFolder under fileName; a null image when there is no encoder or no
// frame. Blocks the calling thread; extractions into one file must not overlap.
// Setting *cancelled from another thread stops the encoder within a moment.
[[nodiscard]] QImage extract(const QString &source, double seconds, const QString &temporaryFolder,
                             const QString &filters = previewFilters(),
                             const QString &fileName = temporaryFileName.toString(),
                             const std::atomic<bool> *cancelled = nullptr);
// The same for the frame at frameSeconds itself (the first frame at 0), as a
// part of the video kept is shown: its start, its end, a poster inside it.
[[nodiscard]] QImage extractAtTime(const QString &source, double frameSeconds, const QString &temporaryFolder,
                                   const QString &filters = previewFilters(),
                                   const QString &fileName = temporaryFileName.toString(),
                                   const std::atomic<bool> *cancelled = nullptr);

// The file name of the export's full-size extraction: lossless, as it is
// compressed once more into poster.jpg.
inline constexpr QStringView fullSizeFileName = u"PosterFrame.png";

// The time limit of one extraction, after which the encoder is killed and no
// frame comes out: generous (two minutes), as for the prober. Tests shorten it.
void setExtractionTimeLimit(std::chrono::milliseconds limit);

// The image stretched to W x H (RGBA, smooth); a null image for a zero size.
[[nodiscard]] QImage scaledImage(const QImage &image, qint64 width, qint64 height);

// Writes the image stretched to the size as a JPEG file (quality 90), atomically. Nothing is
// written for a null image or a zero size; write errors are ignored.
void writePosterFile(const QImage &image, const QString &path, FrameSize size);

} // namespace PosterFrame
