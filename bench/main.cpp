// Measures the application against the bare FFmpeg tools and prints one table.
#include "figures.h"

#include "app/appdelegate.h"
#include "app/posterpreview.h"
#include "common/diagnostics.h"
#include "export/encoderarguments.h"
#include "export/exportchoice.h"
#include "export/exportjob.h"
#include "export/outputfolder.h"
#include "export/outputsettings.h"
#include "export/playability.h"
#include "export/posterframe.h"
#include "probe/fileprobe.h"
#include "tools/mediatools.h"
#include "tools/toolversion.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QSlider>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <deque>
#include <memory>

namespace {

double milliseconds(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

void say(const QString &line)
{
    std::fprintf(stderr, "bench: %s\n", qPrintable(line));
}

// Runs a tool to its end with its output drained, as the application does.
double timeTool(const QString &program, const QStringList &arguments)
{
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    process.waitForFinished(-1);
    process.readAllStandardOutput();
    return milliseconds(clock);
}

// One pair of runs, the application's time over the bare tool's; which goes
// first alternates, so neither always finds the caches warmed by the other.
template <typename App, typename Bare>
double interleavedRatio(int run, App app, Bare bare)
{
    if (run % 2 == 0) {
        const double appMs = app();
        return appMs / bare();
    }
    const double bareMs = bare();
    return app() / bareMs;
}

QString tool(QStringView name)
{
    return MediaTools::resourcePath(name).value_or(QString());
}

// A generated H.264/AAC source of the lavfi picture, 30 frames a second.
bool makeSource(const QString &path, const QString &picture = QStringLiteral("testsrc2=size=1920x1080:rate=30"),
                int seconds = 30)
{
    QProcess encoder;
    encoder.setStandardInputFile(QProcess::nullDevice());
    encoder.start(tool(MediaTools::encoderName),
                  {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"), QStringLiteral("lavfi"),
                   QStringLiteral("-i"), picture, QStringLiteral("-f"),
                   QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=frequency=440:sample_rate=48000"),
                   QStringLiteral("-t"), QString::number(seconds), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"),
                   QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                   QStringLiteral("veryfast"), QStringLiteral("-c:a"), QStringLiteral("aac"), QStringLiteral("-y"),
                   path});
    encoder.waitForFinished(-1);
    return QFileInfo(path).size() > 0;
}

// The mean SSIM of a video's frames against the source's (same frame size); 0 when it cannot be measured.
double ssimOf(const QString &video, const QString &reference)
{
    QProcess encoder;
    encoder.setStandardInputFile(QProcess::nullDevice());
    encoder.start(tool(MediaTools::encoderName), {QStringLiteral("-i"), video, QStringLiteral("-i"), reference,
                                                  QStringLiteral("-lavfi"), QStringLiteral("[0:v][1:v]ssim"),
                                                  QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")});
    encoder.waitForFinished(-1);
    const QString report = QString::fromUtf8(encoder.readAllStandardError());
    const qsizetype all = report.lastIndexOf(QStringLiteral("All:"));
    return all < 0 ? 0 : report.mid(all + 4).section(u' ', 0, 0).toDouble();
}

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

qint64 residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The longest gap between beats of a 10 ms timer while it runs.
class Heartbeat
{
public:
    Heartbeat()
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            m_longest = std::max(m_longest, milliseconds(m_clock));
            m_clock.restart();
        });
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.start(10);
        m_clock.start();
    }
    [[nodiscard]] double longestGap() const { return m_longest - 10; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_longest = 0;
};

bool openAndWait(AppDelegate &delegate, const QString &path)
{
    QSignalSpy opened(&delegate, &AppDelegate::sourceVideoOpened);
    delegate.openSourceVideo(QUrl::fromLocalFile(path));
    if (!opened.wait(60'000) || !opened.first().first().toBool())
        return false;
    return QTest::qWaitFor([&] { return delegate.posterPreview().isIdle(); }, 60'000);
}

QString machineDescription()
{
    QString cpu;
    QFile info(QStringLiteral("/proc/cpuinfo"));
    if (info.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : info.readAll().split('\n')) {
            if (line.startsWith("model name")) {
                cpu = QString::fromUtf8(line).section(u':', 1).trimmed();
                break;
            }
        }
    }
    return QStringLiteral("%1, %2 cores, %3").arg(cpu).arg(QThread::idealThreadCount()).arg(QSysInfo::prettyProductName());
}

struct Bench
{
    QTemporaryDir folder;
    QString source;
    std::deque<Figure> figures; // references to figures stay valid as more are added

    Figure &figure(const QString &name, const QString &unit, double target)
    {
        figures.push_back({name, unit, target, {}});
        return figures.back();
    }

    // The window's own costs: its memory with a video loaded, and the longest
    // stall of its thread while a file opens, its preview is made and it exports.
    void idleMemoryAndStall()
    {
        Figure &memory = figure(QStringLiteral("idle memory"), QStringLiteral("MB"), 80);
        Figure &stall = figure(QStringLiteral("main-thread stall"), QStringLiteral("ms"), 50);
        AppDelegate delegate;
        delegate.applicationDidFinishLaunching();
        delegate.window->show();
        delegate.userDefaults->setValue(QStringLiteral("approximateSizeParam"), true);
        for (int run = 0; run < 3; ++run) {
            auto heartbeat = std::make_unique<Heartbeat>();
            if (!openAndWait(delegate, source))
                return;
            if (run == 0)
                memory.samples << double(residentKilobytes()) / 1024;
            delegate.outputResolutionSlider->setValue(50);
            QSignalSpy finished(&delegate, &AppDelegate::exportFinished);
            delegate.prepareOutputFolder(folder.filePath(QStringLiteral("window-%1").arg(run)));
            finished.wait(600'000);
            stall.samples << heartbeat->longestGap();
            if (auto *alert = delegate.window->findChild<QMessageBox *>(QStringLiteral("alert"))) {
                alert->setObjectName(QString());
                alert->close();
            }
        }
    }

    // The open flow when the source is deleted while its preview is being made:
    // the longest stall from the deletion until the next open panel is up.
    void stallWithSourceDeleted()
    {
        Figure &stall = figure(QStringLiteral("main-thread stall, source deleted mid-preview"), QStringLiteral("ms"), 50);
        AppDelegate delegate;
        delegate.applicationDidFinishLaunching();
        delegate.window->show();
        const QString copy = folder.filePath(QStringLiteral("deleted.mp4"));
        for (int run = 0; run < 3; ++run) {
            QFile::remove(copy);
            if (!QFile::copy(source, copy))
                return;
            QSignalSpy opened(&delegate, &AppDelegate::sourceVideoOpened);
            delegate.openSourceVideo(QUrl::fromLocalFile(copy));
            if (!opened.wait(60'000))
                return;
            auto heartbeat = std::make_unique<Heartbeat>();
            QFile::remove(copy);
            delegate.openVideoBTNClicked();
            const bool panelUp = QTest::qWaitFor([&] {
                const QFileDialog *panel = delegate.window->findChild<QFileDialog *>();
                return panel && panel->isVisible() && delegate.posterPreview().isIdle();
            }, 60'000);
            if (!panelUp)
                return;
            stall.samples << heartbeat->longestGap();
            delete delegate.window->findChild<QFileDialog *>();
        }
    }

    // An export at half the frame size, one encoder run, as the job and the command line get it.
    ExportRequest halfSizeRequest(const QString &out) const
    {
        ExportChoice choice;
        choice.frameSize = {50.0, {}};
        choice.approximateSize = true;
        return *chooseExport(source, std::make_shared<const FileProbe>(source), choice, out).request;
    }

    // The same tool runs by hand: the encoder and the poster's extraction at
    // once, as the job runs them, then the output's probe.
    static void bareExport(const ExportRequest &request, const QString &out)
    {
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
            auto bare = [&] { return timed([&] { bareExport(request, bareOut); }).first; };
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

    // The AV1 version: its runs' time over the H.264 exact-size runs' on the
    // bench's source, and its picture's SSIM over the H.264 file's at the same
    // target (frame size 100 %, size 50 %) on three generated sources.
    void av1()
    {
        Figure &time = figure(QStringLiteral("AV1 time over H.264 exact size"), QStringLiteral("x"), 1.2);
        Figure &ssim = figure(QStringLiteral("AV1 SSIM minus H.264 SSIM"), QStringLiteral(""), 0);
        ssim.boundsBelow = true;
        const QStringList pictures = {QStringLiteral("mandelbrot=size=1280x720:rate=30"),
                                      QStringLiteral("testsrc2=size=1280x720:rate=30,noise=alls=12:allf=t")};
        QStringList sources = {source};
        for (const QString &picture : pictures) {
            sources << folder.filePath(QStringLiteral("av1-source-%1.mp4").arg(sources.size()));
            makeSource(sources.last(), picture, 10);
        }
        for (const QString &path : sources) {
            ExportRequest request = halfSizeRequest(folder.filePath(QStringLiteral("av1")));
            request.sourcePath = path;
            request.probe = std::make_shared<const FileProbe>(path);
            request.frameSize = outputFrameSize(*request.probe->firstVideoTrackInfo, 100);
            request.targetBytes = targetBytesForShare(*request.probe->fileSize, 50);
            request.approximateSize = false;
            request.av1Version = true;
            recreateFolder(request.folder);
            ExportJob job(request);
            QElapsedTimer clock;
            double h264Start = -1;
            double av1Start = -1;
            QObject::connect(&job, &ExportJob::encoderStarted, [&] {
                if (h264Start < 0)
                    h264Start = milliseconds(clock);
            });
            QObject::connect(&job, &ExportJob::progressChanged, [&](double, const QString &run) {
                if (av1Start < 0 && run.startsWith(QStringLiteral("AV1")))
                    av1Start = milliseconds(clock);
            });
            QSignalSpy finished(&job, &ExportJob::finished);
            clock.start();
            job.start();
            finished.wait(1'800'000);
            const double end = milliseconds(clock);
            if (path == source && av1Start > 0)
                time.samples << (end - av1Start) / (av1Start - h264Start);
            const double h264 = ssimOf(request.folder + QStringLiteral("/html5video.mp4"), path);
            const double av1 = ssimOf(request.folder + QStringLiteral("/html5video-av1.mp4"), path);
            ssim.samples << av1 - h264;
            say(QStringLiteral("AV1 %1: H.264 runs %2 ms, AV1 runs %3 ms; SSIM %4 against %5; %6 and %7 of %8 bytes")
                    .arg(QFileInfo(path).fileName())
                    .arg(av1Start - h264Start)
                    .arg(end - av1Start)
                    .arg(av1)
                    .arg(h264)
                    .arg(QFileInfo(request.folder + QStringLiteral("/html5video-av1.mp4")).size())
                    .arg(QFileInfo(request.folder + QStringLiteral("/html5video.mp4")).size())
                    .arg(qint64(request.targetBytes)));
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

    void startUp(const QString &binary)
    {
        Figure &startup = figure(QStringLiteral("start-up"), QStringLiteral("ms"), 300);
        QTemporaryDir settings;
        for (int run = 0; run < 11; ++run) {
            QProcess app;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
            app.setProcessEnvironment(environment);
            QElapsedTimer clock;
            clock.start();
            app.start(binary, {});
            // The launch count line comes as the window is about to show (from the second launch on).
            const bool counted = app.waitForReadyRead(10'000);
            const double ms = milliseconds(clock);
            app.terminate();
            app.waitForFinished(5'000);
            if (run > 0 && counted)
                startup.samples << ms;
        }
    }
};

} // namespace

int main(int argc, char *argv[])
{
    // The figures are the application's own, not a window system's.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    setDiagnosticSink([](const QString &) {});

    Bench bench;
    bench.source = bench.folder.filePath(QStringLiteral("source-1080p.mp4"));
    say(QStringLiteral("making a 1080p, 30-second H.264/AAC source"));
    if (!makeSource(bench.source)) {
        say(QStringLiteral("could not make the source; is FFmpeg there?"));
        return 1;
    }
    const QString binary = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("videofold"));
    say(QStringLiteral("memory and stalls of the window"));
    bench.idleMemoryAndStall();
    bench.stallWithSourceDeleted();
    say(QStringLiteral("exports against the same tool runs by hand"));
    bench.exportRatios(binary);
    say(QStringLiteral("exact sizes"));
    bench.exactSize();
    say(QStringLiteral("the AV1 version"));
    bench.av1();
    say(QStringLiteral("probes"));
    bench.probe();
    bench.answerWalk();
    say(QStringLiteral("posters"));
    bench.poster();
    say(QStringLiteral("start-up"));
    bench.startUp(binary);

    const QString machine = machineDescription();
    const QString ffmpeg = MediaTools::encoderVersion();
    const QList<Figure> figures(bench.figures.cbegin(), bench.figures.cend());
    printTable(figures, machine + QStringLiteral("\n") + ffmpeg);
    const QString results = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("bench/results.json");
    if (!writeResults(figures, machine, ffmpeg, results))
        say(QStringLiteral("could not write ") + results);
    return 0;
}
