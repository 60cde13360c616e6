#include "export/exactsize.h"

#include "export/mp4boxes.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

double exactVideoKilobits(qint64 targetBytes, qint64 audioBytes, qint64 overheadBytes, double duration)
{
    const double videoBytes = double(targetBytes - audioBytes - overheadBytes) * exactSizeAim;
    return std::max(videoBytes * 8 / duration / 1000, 1.0);
}

qint64 mp4OverheadBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    qint64 payload = 0;
    for (const Mp4Box &box : mp4Boxes(file, 0, file.size())) {
        if (box.type == "mdat")
            payload += box.end - box.body; // a truncated box counts as far as it goes
    }
    return file.size() - payload;
}

namespace {

int passesOf(const QList<Pass> &passes, PassKind kind)
{
    return int(std::count_if(passes.cbegin(), passes.cend(), [kind](const Pass &pass) { return pass.kind == kind; }));
}

// A rate was raised for a file that came out too small, and the file hardly
// grew: the encoder spends no more on this video, whatever it is given.
bool reachedQualityCeiling(const QList<Pass> &passes, double least, qint64 targetBytes)
{
    if (passes.size() < 2)
        return false;
    const Pass &before = passes.at(passes.size() - 2);
    const Pass &last = passes.last();
    if (double(before.writtenBytes) >= least * double(targetBytes) || last.videoKilobits <= before.videoKilobits)
        return false;
    const double asked = last.videoKilobits / before.videoKilobits - 1;
    const double grew = double(last.writtenBytes) / double(std::max<qint64>(before.writtenBytes, 1)) - 1;
    return grew < asked / 2;
}

} // namespace

std::optional<Pass> nextExactSizePass(const QList<Pass> &passes, qint64 targetBytes, qint64 fixedBytes, double duration,
                                      SizeBounds bounds)
{
    if (passes.isEmpty() || targetBytes <= 0 || !(duration > 0))
        return std::nullopt;
    const Pass &last = passes.last();
    const double target = double(targetBytes);
    const double written = double(last.writtenBytes);
    const bool over = written > bounds.most * target;
    const bool under = written < bounds.least * target;
    if (last.writtenBytes <= 0 || (!over && !under))
        return std::nullopt;
    const double wantedVideo = target * exactSizeAim - double(fixedBytes);
    const double writtenVideo = written - double(fixedBytes);
    if (wantedVideo <= 0 || writtenVideo <= 0)
        return std::nullopt; // the smallest file the encoder makes is all there is
    const double scaled = std::max(last.videoKilobits * wantedVideo / writtenVideo, 1.0);

    if (under) {
        // A capped pass may land low; it is the last resort, and it holds.
        if (last.kind == PassKind::Capped || passesOf(passes, PassKind::Corrected) >= mostCorrections
            || reachedQualityCeiling(passes, bounds.least, targetBytes)) {
            return std::nullopt;
        }
        return Pass{PassKind::Corrected, scaled, 0};
    }
    if (last.kind != PassKind::Capped && passesOf(passes, PassKind::Corrected) < mostCorrections)
        return Pass{PassKind::Corrected, scaled, 0};
    if (passesOf(passes, PassKind::Capped) >= mostCappedPasses)
        return std::nullopt;
    // Under the cap the video holds at most the rate over its duration plus the
    // buffer's fill: the rate leaves room for the buffer.
    const double capped = wantedVideo * 8 / 1000 / (duration + cappedBufferSeconds);
    return Pass{PassKind::Capped, std::max(std::min(scaled, capped), 1.0), 0};
}

namespace {

// A pass's name in the diagnostics (English) and in progress (translated).
std::pair<const char *, const char *> passWords(PassKind kind)
{
    switch (kind) {
    case PassKind::Final:
        return {"final pass", QT_TRANSLATE_NOOP("Export", "Final pass")};
    case PassKind::Corrected:
        return {"correction", QT_TRANSLATE_NOOP("Export", "Correction")};
    case PassKind::Capped:
        break;
    }
    return {"rate-capped pass", QT_TRANSLATE_NOOP("Export", "Rate-capped pass")};
}

} // namespace

QString passName(PassKind kind)
{
    return QString::fromLatin1(passWords(kind).first);
}

QString passTitle(PassKind kind)
{
    return QCoreApplication::translate("Export", passWords(kind).second);
}

double firstAv1Kilobits(qint64 targetBytes, qint64 fixedBytes, double duration)
{
    const double videoBytes = double(targetBytes - fixedBytes) * av1Aim;
    return std::max(videoBytes * 8 / duration / 1000, 1.0);
}

namespace {

bool withinCeiling(const Pass &run, qint64 targetBytes)
{
    return run.writtenBytes > 0 && run.writtenBytes <= targetBytes
        && double(run.writtenBytes) >= av1Bounds.least * double(targetBytes);
}

} // namespace

std::optional<double> nextAv1Kilobits(const QList<Pass> &runs, qint64 targetBytes, qint64 fixedBytes)
{
    if (runs.isEmpty() || runs.size() >= mostAv1Runs || targetBytes <= 0)
        return std::nullopt;
    const Pass &last = runs.last();
    if (last.writtenBytes <= 0 || withinCeiling(last, targetBytes)
        || reachedQualityCeiling(runs, av1Bounds.least, targetBytes)) {
        return std::nullopt;
    }
    const double wantedVideo = double(targetBytes) * av1Aim - double(fixedBytes);
    const double writtenVideo = double(last.writtenBytes - fixedBytes);
    if (wantedVideo <= 0 || writtenVideo <= 0)
        return std::nullopt;
    // After two runs, the line through them: on short clips a share of the
    // bytes does not follow the rate (the key frame, the headers), so scaling
    // alone keeps missing the same way.
    if (runs.size() >= 2) {
        const Pass &before = runs.at(runs.size() - 2);
        const double bytesPerKilobit = double(last.writtenBytes - before.writtenBytes) / (last.videoKilobits - before.videoKilobits);
        if (before.writtenBytes > 0 && std::isfinite(bytesPerKilobit) && bytesPerKilobit > 0) {
            const double rate = last.videoKilobits + (wantedVideo - writtenVideo) / bytesPerKilobit;
            if (rate > 0)
                return std::max(rate, 1.0);
        }
    }
    return std::max(last.videoKilobits * wantedVideo / writtenVideo, 1.0);
}

std::optional<qsizetype> keptAv1Run(const QList<Pass> &runs, qint64 targetBytes)
{
    std::optional<qsizetype> largest;
    for (qsizetype index = runs.size() - 1; index >= 0; --index) {
        const Pass &run = runs.at(index);
        if (withinCeiling(run, targetBytes))
            return index;
        if (run.writtenBytes > 0 && run.writtenBytes <= targetBytes
            && (!largest || run.writtenBytes > runs.at(*largest).writtenBytes)) {
            largest = index;
        }
    }
    return largest;
}
