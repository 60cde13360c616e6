// Measures the core (the export job, the command line, the probe, the poster)
// against the bare FFmpeg tools and prints one table.
#include "benchsupport.h"

#include "common/diagnostics.h"
#include "export/encoderarguments.h"
#include "export/exportchoice.h"
#include "export/exportjob.h"
#include "export/outputfolder.h"
#include "export/outputsettings.h"
#include "export/playability.h"
#include "export/posterframe.h"
#include "export/webplayer.h"
#include "probe/fileprobe.h"
#include "tools/mediatools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>

#include <sys/resource.h>

#include <numeric>

namespace {

QByteArray chapterAnswer()
{
    QByteArray answer = "{\"streams\": [";
    for (int i = 0; i < 200; ++i) {
        answer += i ? "," : "";
        answer += i % 2 ? "{\"index\": 1, \"codec_type\": \"audio\", \"codec_name\": \"aac\", \"channel_layout\": "
                          "\"stereo\", \"bit_rate\": \"128000\", \"tags\": {\"language\": \"ger\"}}"
                        : "{\"index\": 0, \"codec_type\": \"video\", \"codec_name\": \"h264\", \"width\": 1920, "
                          "\"height\": 1080, \"r_frame_rate\": \"30000/1001\", \"avg_frame_rate\": \"30000/1001\", "
                          "\"profile\": \"High\", \"level\": 40, \"disposition\": {\"default\": 1}}";
    }
    answer += ",{\"codec_type\": \"data\", \"codec_name\": \"bin_data\"}], \"chapters\": [";
    for (int i = 0; i < 5000; ++i) {
        answer += (i ? "," : "") + QByteArray("{\"id\": ") + QByteArray::number(i) + ", \"start_time\": \""
            + QByteArray::number(i) + ".000000\", \"end_time\": \"" + QByteArray::number(i + 1)
            + ".000000\", \"tags\": {\"title\": \"Chapter " + QByteArray::number(i) + "\"}}";
    }
    return answer + "], \"format\": {\"duration\": \"5000.000000\", \"bit_rate\": \"4000000\"}}";
}

struct CoreBench : FigureSheet
{
    // An export at half the frame size, one encoder run, as the job and the command line get it;
    // without the seek bar's thumbnails, whose run has figures of its own.
    ExportRequest halfSizeRequest(const QString &out) const
    {
        ExportChoice choice;
        choice.frameSize = {50.0, {}};
        choice.approximateSize = true;
        choice.thumbnails = false;
        return *chooseExport(source, std::make_shared<const FileProbe>(source), choice, out).request;
    }

    // The same tool runs by hand: the encoder and the poster's extraction at
    // once, as the job runs them, then the output's probe. The command line
    // reads the source before it chooses; the job is handed the probe's answer.
    static void bareExport(const ExportRequest &request, const QString &out, bool probesSource = false)
    {
        if (probesSource)
            timeTool(tool(MediaTools::proberName), FileProbe::proberArguments(request.sourcePath));
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        const EncoderInputs inputs = encoderInputs(*request.probe, request.sourcePath, out, request.targetBytes,
                                                   request.frameSize);
        QProcess encoder;
        QProcess poster;
        for (QProcess *process : {&encoder, &poster}) {
            process->setStandardInputFile(QProcess::nullDevice());
            process->setStandardErrorFile(QProcess::nullDevice());
        }
        encoder.start(tool(MediaTools::encoderName), buildEncoderArguments(inputs));
        poster.start(tool(MediaTools::encoderName),
                     PosterFrame::encoderArguments(PosterFrame::seekText(request.posterSeconds), request.sourcePath,
                                                   out + QStringLiteral("/poster.png"),
                                                   PosterFrame::posterFilters(request.frameSize)));
        encoder.waitForFinished(-1);
        poster.waitForFinished(-1);
        timeTool(tool(MediaTools::proberName), playabilityArguments(out + QStringLiteral("/html5video.mp4")));
    }

    static void jobExport(const ExportRequest &request)
    {
        recreateFolder(request.folder);
        ExportJob job(request);
        QSignalSpy finished(&job, &ExportJob::finished);
        job.start();
        finished.wait(900'000);
    }

    void commandLineExport(const QString &binary, const QString &out) const
    {
        QDir(out).removeRecursively();
        QProcess command;
        command.setStandardInputFile(QProcess::nullDevice());
        command.start(binary, {QStringLiteral("export"), QStringLiteral("-q"), QStringLiteral("--approximate-size"),
                               QStringLiteral("--no-thumbnails"),
                               QStringLiteral("--frame-size"), QStringLiteral("50%"), QStringLiteral("-o"), out, source});
        command.waitForFinished(-1);
    }

    // One side of a pair: its wall time, and its CPU time (its own and its children's).
    template <typename Work>
    static std::pair<double, double> timed(Work work)
    {
        const double cpuBefore = cpuSeconds(RUSAGE_SELF) + cpuSeconds(RUSAGE_CHILDREN);
        QElapsedTimer clock;
        clock.start();
        work();
        const double ms = milliseconds(clock);
        return {ms, cpuSeconds(RUSAGE_SELF) + cpuSeconds(RUSAGE_CHILDREN) - cpuBefore};
    }

    // The export job, and the command line, against the same tool runs by hand:
    // wall and CPU time, 7 pairs each, the order alternating.
    void exportRatios(const QString &binary)
    {
        Figure &wall = figure(QStringLiteral("export ratio (wall)"), QStringLiteral("x"), 1.05);
        Figure &cpu = figure(QStringLiteral("export ratio (CPU)"), QStringLiteral("x"), 1.05);
        Figure &commandLine = figure(QStringLiteral("command-line export ratio"), QStringLiteral("x"), 1.05);
        Figure &appCpu = figure(QStringLiteral("app CPU during export"), QStringLiteral("%"), 1);
        const ExportRequest request = halfSizeRequest(folder.filePath(QStringLiteral("job")));
        const QString bareOut = folder.filePath(QStringLiteral("bare"));
        for (int run = 0; run < 7; ++run) {
            auto bare = [&] { return timed([&] { bareExport(request, bareOut); }); };
            auto app = [&] {
                const double selfBefore = cpuSeconds(RUSAGE_SELF);
                const double childrenBefore = cpuSeconds(RUSAGE_CHILDREN);
                const auto measured = timed([&] { jobExport(request); });
                appCpu.samples << 100 * (cpuSeconds(RUSAGE_SELF) - selfBefore)
                        / std::max(cpuSeconds(RUSAGE_CHILDREN) - childrenBefore, 1e-9);
                return measured;
            };
            const auto [bareFirstMs, bareFirstCpu] = run % 2 ? bare() : std::pair(0.0, 0.0);
            const auto [appMs, appCpuSeconds] = app();
            const auto [bareMs, bareCpu] = run % 2 ? std::pair(bareFirstMs, bareFirstCpu) : bare();
            wall.samples << appMs / bareMs;
            cpu.samples << appCpuSeconds / bareCpu;
            say(QStringLiteral("export %1: job %2 ms (%3 s CPU), by hand %4 ms (%5 s CPU)")
                    .arg(run).arg(appMs).arg(appCpuSeconds).arg(bareMs).arg(bareCpu));
        }
        const QString commandOut = folder.filePath(QStringLiteral("command"));
        for (int run = 0; run < 7; ++run) {
            auto bare = [&] { return timed([&] { bareExport(request, bareOut, true); }).first; };
            auto command = [&] { return timed([&] { commandLineExport(binary, commandOut); }).first; };
            commandLine.samples << interleavedRatio(run, command, bare);
        }
    }

    // An exact size costs a second run: its time over the single run's, and how
    // close it comes to the label, at three target sizes.
    void exactSize()
    {
        Figure &time = figure(QStringLiteral("exact-size time ratio"), QStringLiteral("x"), 1.6);
        Figure &size = figure(QStringLiteral("exact size over label"), QStringLiteral("x"), 1.02);
        size.boundsLargest = true;
        const int percents[] = {100, 50, 25};
        for (int run = 0; run < 5; ++run) {
            const int percent = percents[run % 3];
            ExportRequest request = halfSizeRequest(folder.filePath(QStringLiteral("exact")));
            request.targetBytes = targetBytesForShare(*request.probe->fileSize, percent);
            auto exportWith = [&](bool approximate) {
                request.approximateSize = approximate;
                return timed([&] { jobExport(request); }).first;
            };
            const double approximateFirst = run % 2 ? exportWith(true) : 0;
            const double exactMs = exportWith(false);
            const double written = double(QFileInfo(request.folder + QStringLiteral("/html5video.mp4")).size());
            const double approximateMs = run % 2 ? approximateFirst : exportWith(true);
            const double label = double(targetSizeBytes(*request.probe->fileSize, percent));
            time.samples << exactMs / approximateMs;
            size.samples << written / label;
            say(QStringLiteral("exact size %1 %: %2 ms against %3 ms, %4 of the label")
                    .arg(percent).arg(exactMs).arg(approximateMs).arg(written / label));
        }
    }

    // The AV1 version on real footage (bench/fetch-footage): each clip at its
    // own frame size and a quarter of its size, once. The export compares both
    // videos with the source itself; its diagnostics give the two figures, even
    // for an AV1 file it then removed.
    void av1(const QString &footage)
    {
        Figure &time = figure(QStringLiteral("AV1 time over H.264 exact size"), QStringLiteral("x"), 2.0);
        Figure &ssim = figure(QStringLiteral("AV1 SSIM minus H.264 SSIM"), QStringLiteral(""), 0.003);
        Figure &kept = figure(QStringLiteral("AV1 kept"), QStringLiteral(""), 0.8);
        Figure &comparison = figure(QStringLiteral("comparison share of export"), QStringLiteral(""), 0.1);
        ssim.boundsBelow = true;
        kept.boundsBelow = true;
        const QFileInfoList clips = QDir(footage).entryInfoList(QDir::Files, QDir::Name);
        if (clips.isEmpty()) {
            say(QStringLiteral("no footage in %1: run bench/fetch-footage").arg(footage));
            return;
        }
        QList<double> keptClips;
        for (const QFileInfo &clip : clips) {
            const QString path = clip.filePath();
            ExportChoice choice;
            choice.size = {SizeSetting::Kind::Share, 25.0};
            choice.av1Version = true;
            const ChosenExport chosen = chooseExport(path, std::make_shared<const FileProbe>(path), choice,
                                                     folder.filePath(QStringLiteral("av1")));
            if (!chosen.request) {
                say(QStringLiteral("AV1 %1: refused: %2").arg(clip.fileName(), chosen.refusal));
                continue;
            }
            const ExportRequest &request = *chosen.request;
            recreateFolder(request.folder);
            QString comparisonLine;
            setDiagnosticSink([&comparisonLine](const QString &line) {
                if (line.contains(QStringLiteral("SSIM")))
                    comparisonLine = line;
            });
            ExportJob job(request);
            QElapsedTimer clock;
            double h264Start = -1;
            double av1Start = -1;
            double comparisonStart = -1;
            QObject::connect(&job, &ExportJob::encoderStarted, &job, [&] {
                if (h264Start < 0)
                    h264Start = milliseconds(clock);
            });
            QObject::connect(&job, &ExportJob::progressChanged, &job, [&](double, const QString &run) {
                if (av1Start < 0 && run.startsWith(QStringLiteral("AV1")))
                    av1Start = milliseconds(clock);
                if (comparisonStart < 0 && run.startsWith(QStringLiteral("Comparing")))
                    comparisonStart = milliseconds(clock);
            });
            QSignalSpy finished(&job, &ExportJob::finished);
            clock.start();
            job.start();
            finished.wait(3'600'000);
            const double end = milliseconds(clock);
            setDiagnosticSink([](const QString &) {});
            // "AV1 version sharper: SSIM 0.9812 against 0.9761"
            const QStringList words = comparisonLine.split(u' ');
            const qsizetype at = words.indexOf(QStringLiteral("SSIM"));
            if (av1Start < 0 || comparisonStart < 0 || at < 0 || at + 3 >= words.size()) {
                say(QStringLiteral("AV1 %1: no comparison (%2)").arg(clip.fileName(), comparisonLine));
                continue;
            }
            const double av1 = words.at(at + 1).toDouble();
            const double h264 = words.at(at + 3).toDouble();
            const qint64 av1Bytes = QFileInfo(request.folder + QStringLiteral("/html5video-av1.mp4")).size();
            time.samples << (comparisonStart - av1Start) / (av1Start - h264Start);
            ssim.samples << av1 - h264;
            keptClips << (av1Bytes > 0 ? 1 : 0);
            comparison.samples << (end - comparisonStart) / end;
            say(QStringLiteral("AV1 %1: H.264 runs %2 ms, AV1 runs %3 ms, comparison %4 ms; SSIM %5 against %6; "
                               "AV1 %7, H.264 %8 of %9 bytes")
                    .arg(clip.fileName())
                    .arg(av1Start - h264Start)
                    .arg(comparisonStart - av1Start)
                    .arg(end - comparisonStart)
                    .arg(av1, 0, 'f', 4)
                    .arg(h264, 0, 'f', 4)
                    .arg(av1Bytes > 0 ? QString::number(av1Bytes) : QStringLiteral("dropped"))
                    .arg(QFileInfo(request.folder + QStringLiteral("/html5video.mp4")).size())
                    .arg(qint64(request.targetBytes)));
        }
        // One sample: the share of the clips whose AV1 file was kept.
        if (!keptClips.isEmpty())
            kept.samples << std::accumulate(keptClips.begin(), keptClips.end(), 0.0) / double(keptClips.size());
    }

    // The page's player and the seek bar's thumbnails on real footage, each clip at its own
    // frame size and size: the player's files compressed as a server sends them, the sprites'
    // bytes over the video's, and the thumbnails' run (its start to the next stage's) over the export.
    void player(const QString &footage)
    {
        Figure &compressed = figure(QStringLiteral("player files, compressed"), QStringLiteral("kB"), 60);
        Figure &bytes = figure(QStringLiteral("thumbnails over video bytes"), QStringLiteral(""), 0.05);
        Figure &share = figure(QStringLiteral("thumbnails share of export"), QStringLiteral(""), 0.1);
        qint64 playerBytes = 0;
        for (const QString &name : WebPlayer::fileNames()) {
            QFile file(QDir(WebPlayer::sourceFolder()).filePath(name));
            if (file.open(QIODevice::ReadOnly))
                playerBytes += qCompress(file.readAll(), 9).size() - 4; // zlib at its best, gzip within a few bytes
        }
        compressed.samples << double(playerBytes) / 1000;
        for (const QFileInfo &clip : QDir(footage).entryInfoList(QDir::Files, QDir::Name)) {
            const QString path = clip.filePath();
            ExportChoice choice;
            choice.approximateSize = true;
            const ChosenExport chosen = chooseExport(path, std::make_shared<const FileProbe>(path), choice,
                                                     folder.filePath(QStringLiteral("player")));
            if (!chosen.request)
                continue;
            recreateFolder(chosen.request->folder);
            ExportJob job(*chosen.request);
            QElapsedTimer clock;
            double begun = -1;
            double ended = -1;
            QObject::connect(&job, &ExportJob::stageChanged, &job, [&](ExportStage stage) {
                if (stage == ExportStage::Thumbnails)
                    begun = milliseconds(clock);
                else if (begun >= 0 && ended < 0)
                    ended = milliseconds(clock);
            });
            QSignalSpy finished(&job, &ExportJob::finished);
            clock.start();
            job.start();
            finished.wait(900'000);
            const double total = milliseconds(clock);
            const qint64 video = QFileInfo(chosen.request->folder + QStringLiteral("/html5video.mp4")).size();
            qint64 sprites = 0;
            for (const QFileInfo &sheet : QDir(chosen.request->folder).entryInfoList({QStringLiteral("thumbnails-*.jpg")}))
                sprites += sheet.size();
            if (begun < 0 || video <= 0) {
                say(QStringLiteral("player %1: no thumbnails").arg(clip.fileName()));
                continue;
            }
            bytes.samples << double(sprites) / double(video);
            share.samples << ((ended < 0 ? total : ended) - begun) / total;
            say(QStringLiteral("player %1: thumbnails %2 ms of %3 ms, %4 bytes beside a video of %5")
                    .arg(clip.fileName())
                    .arg((ended < 0 ? total : ended) - begun)
                    .arg(total)
                    .arg(sprites)
                    .arg(video));
        }
    }

    void probe()
    {
        Figure &ratio = figure(QStringLiteral("probe ratio"), QStringLiteral("x"), 1.05);
        const QStringList arguments = FileProbe::proberArguments(source);
        auto app = [this] {
            QElapsedTimer clock;
            clock.start();
            const FileProbe probe(source);
            return milliseconds(clock);
        };
        auto bare = [&] { return timeTool(tool(MediaTools::proberName), arguments); };
        for (int run = 0; run < 15; ++run)
            ratio.samples << interleavedRatio(run, app, bare);
    }

    void answerWalk()
    {
        Figure &walk = figure(QStringLiteral("answer walk"), QStringLiteral("ms"), 50);
        const QByteArray answer = chapterAnswer();
        for (int run = 0; run < 15; ++run) {
            QElapsedTimer clock;
            clock.start();
            const FileProbe probe(source, answer);
            walk.samples << milliseconds(clock);
        }
    }

    void poster()
    {
        Figure &ratio = figure(QStringLiteral("poster ratio"), QStringLiteral("x"), 1.05);
        const QString frame = folder.filePath(QStringLiteral("bare-frame.jpg"));
        auto app = [this] {
            QElapsedTimer clock;
            clock.start();
            const QImage image = PosterFrame::extract(source, 15, folder.path());
            return milliseconds(clock);
        };
        auto bare = [&] {
            return timeTool(tool(MediaTools::encoderName),
                            PosterFrame::encoderArguments(PosterFrame::seekText(15), source, frame));
        };
        for (int run = 0; run < 10; ++run)
            ratio.samples << interleavedRatio(run, app, bare);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    setDiagnosticSink([](const QString &) {});

    CoreBench bench;
    if (!bench.makeSourceFile())
        return 1;
    const QString binary = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("videofold"));
    say(QStringLiteral("exports against the same tool runs by hand"));
    bench.exportRatios(binary);
    say(QStringLiteral("exact sizes"));
    bench.exactSize();
    say(QStringLiteral("the AV1 version on real footage"));
    bench.av1(qEnvironmentVariable("VIDEOFOLD_FOOTAGE_FOLDER"));
    say(QStringLiteral("the page's player and its thumbnails on real footage"));
    bench.player(qEnvironmentVariable("VIDEOFOLD_FOOTAGE_FOLDER"));
    say(QStringLiteral("probes"));
    bench.probe();
    bench.answerWalk();
    say(QStringLiteral("posters"));
    bench.poster();
    return bench.finish(argc, argv, QStringLiteral("bench/results.json"));
}
