#pragma once

#include "export/encoderarguments.h"

#include <QString>
#include <QStringList>

#include <atomic>
#include <optional>

// Whether the AV1 version earns its place on the page: both videos compared
// with the source at the output size by their mean SSIM (1 is the source's own
// picture). Browsers take the page's first source they can play, so an AV1
// file that is no sharper than the H.264 one would only cost its viewers.
struct Sharpness
{
    std::optional<double> h264;
    std::optional<double> av1;
    QString failure; // why the figures are missing: the comparison's last lines

    [[nodiscard]] bool measured() const { return h264 && av1; }
};

// One encoder run that reads the kept part of the source through the filters
// the videos were made with and compares both files with it.
[[nodiscard]] QStringList sharpnessArguments(const EncoderInputs &inputs, const QString &h264Path, const QString &av1Path);
// The two means from what the comparison printed.
[[nodiscard]] Sharpness readSharpness(const QString &report);
// Runs the comparison's arguments on the calling thread; seconds is the kept part's length.
[[nodiscard]] Sharpness measureSharpness(const QStringList &arguments, double seconds, const std::atomic<bool> *cancelled);

// Keep the AV1 file, or why the page goes without it.
struct Av1Judgement
{
    bool keep = true;
    QString problem;    // for the user, when it is dropped
    QString diagnostic; // the figures, or why there were none
};

// Sharper by the four decimals a person is shown: kept. Level or worse: dropped.
// Without figures the file is kept on its other checks (its size and that it
// plays), and the diagnostic says why it went unmeasured.
[[nodiscard]] Av1Judgement judgeSharpness(const Sharpness &sharpness);
