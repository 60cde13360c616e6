// Measures the application against the bare FFmpeg tools and prints one table.
#include "figures.h"

#include "app/appdelegate.h"
#include "app/posterpreview.h"
#include "common/diagnostics.h"
#include "export/encoderarguments.h"
#include "export/outputsettings.h"
#include "export/posterframe.h"
#include "probe/fileprobe.h"
#include "tools/mediatools.h"
#include "tools/toolversion.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
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

bool makeSource(const QString &path)
{
    QProcess encoder;
    encoder.setStandardInputFile(QProcess::nullDevice());
    encoder.start(tool(MediaTools::encoderName),
                  {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"), QStringLiteral("lavfi"),
                   QStringLiteral("-i"), QStringLiteral("testsrc2=size=1920x1080:rate=30"), QStringLiteral("-f"),
                   QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=frequency=440:sample_rate=48000"),
                   QStringLiteral("-t"), QStringLiteral("30"), QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"),
                   QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-preset"),
                   QStringLiteral("veryfast"), QStringLiteral("-c:a"), QStringLiteral("aac"), QStringLiteral("-y"),
                   path});
    encoder.waitForFinished(-1);
    return QFileInfo(path).size() > 0;
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

    void idleMemoryAndStall()
    {
        Figure &memory = figure(QStringLiteral("idle memory"), QStringLiteral("MB"), 80);
        Figure &stall = figure(QStringLiteral("main-thread stall"), QStringLiteral("ms"), 50);
        Figure &exportRatio = figure(QStringLiteral("export ratio"), QStringLiteral("x"), 1.05);
        Figure &cpu = figure(QStringLiteral("app CPU during export"), QStringLiteral("%"), 1);

        AppDelegate delegate;
        delegate.applicationDidFinishLaunching();
        delegate.window->show();
        // The one run of old against the bare encoder with the very same arguments.
        delegate.userDefaults->setValue(QStringLiteral("approximateSizeParam"), true);
        for (int run = 0; run < 5; ++run) {
            // The heartbeat runs only while the application works: open and preview, then export.
            auto heartbeat = std::make_unique<Heartbeat>();
            if (!openAndWait(delegate, source))
                return;
            double longestStall = heartbeat->longestGap();
            heartbeat.reset();
            if (run == 0)
                memory.samples << double(residentKilobytes()) / 1024;
            delegate.outputResolutionSlider->setValue(50);

            const QString out = folder.filePath(QStringLiteral("export-%1").arg(run));
            const QString bareOut = folder.filePath(QStringLiteral("bare-%1").arg(run));
            QDir().mkpath(bareOut);
            // The bare encoder with the very same arguments, into another folder.
            const EncoderInputs inputs = encoderInputs(*delegate.globalFP, source, bareOut, 100,
                                                       delegate.outputResolutionLBL->text());
            auto bare = [&] { return timeTool(tool(MediaTools::encoderName), buildEncoderArguments(inputs)); };
            double selfCpu = 0;
            double childCpu = 0;
            auto app = [&] {
                QSignalSpy finished(&delegate, &AppDelegate::exportFinished);
                const double selfBefore = cpuSeconds(RUSAGE_SELF);
                const double childrenBefore = cpuSeconds(RUSAGE_CHILDREN);
                const Heartbeat exportBeat;
                QElapsedTimer clock;
                clock.start();
                delegate.prepareOutputFolder(out);
                finished.wait(600'000);
                const double ms = milliseconds(clock);
                longestStall = std::max(longestStall, exportBeat.longestGap());
                selfCpu = cpuSeconds(RUSAGE_SELF) - selfBefore;
                childCpu = cpuSeconds(RUSAGE_CHILDREN) - childrenBefore;
                return ms;
            };
            const double bareFirst = run % 2 ? bare() : 0;
            const double appMs = app();
            const double bareMs = run % 2 ? bareFirst : bare();
            stall.samples << longestStall;
            if (auto *alert = delegate.window->findChild<QMessageBox *>(QStringLiteral("alert"))) {
                alert->setObjectName(QString());
                alert->close();
            }
            exportRatio.samples << appMs / bareMs;
            cpu.samples << 100 * selfCpu / std::max(childCpu, 1e-9);
            say(QStringLiteral("export %1: app %2 ms, bare %3 ms").arg(run).arg(appMs).arg(bareMs));
        }
    }

    // An exact size costs a second run: its time over the single run's, and how
    // close it comes to the label, at three target sizes.
    void exactSize()
    {
        Figure &time = figure(QStringLiteral("exact-size time ratio"), QStringLiteral("x"), 1.6);
        Figure &size = figure(QStringLiteral("exact size over label"), QStringLiteral("x"), 1.02);
        size.boundsLargest = true;
        AppDelegate delegate;
        delegate.applicationDidFinishLaunching();
        if (!openAndWait(delegate, source))
            return;
        delegate.outputResolutionSlider->setValue(50);
        const int percents[] = {100, 50, 25};
        for (int run = 0; run < 5; ++run) {
            const int percent = percents[run % 3];
            delegate.outputFileSizeSlider->setValue(percent);
            auto exportWith = [&](bool approximate) {
                delegate.userDefaults->setValue(QStringLiteral("approximateSizeParam"), approximate);
                QSignalSpy finished(&delegate, &AppDelegate::exportFinished);
                QElapsedTimer clock;
                clock.start();
                delegate.prepareOutputFolder(folder.filePath(approximate ? QStringLiteral("approximate")
                                                                         : QStringLiteral("exact")));
                finished.wait(900'000);
                const double ms = milliseconds(clock);
                if (auto *alert = delegate.window->findChild<QMessageBox *>(QStringLiteral("alert"))) {
                    alert->setObjectName(QString());
                    alert->close();
                }
                return ms;
            };
            const double approximateFirst = run % 2 ? exportWith(true) : 0;
            const double exactMs = exportWith(false);
            const double written =
                double(QFileInfo(folder.filePath(QStringLiteral("exact/html5video.mp4"))).size());
            const double approximateMs = run % 2 ? approximateFirst : exportWith(true);
            const double label = double(targetSizeBytes(*delegate.globalFP->fileSize, percent));
            time.samples << exactMs / approximateMs;
            size.samples << written / label;
            say(QStringLiteral("exact size %1 %: %2 ms against %3 ms, %4 of the label")
                    .arg(percent)
                    .arg(exactMs)
                    .arg(approximateMs)
                    .arg(written / label));
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
    say(QStringLiteral("memory, stalls and exports"));
    bench.idleMemoryAndStall();
    say(QStringLiteral("exact sizes"));
    bench.exactSize();
    say(QStringLiteral("probes"));
    bench.probe();
    bench.answerWalk();
    say(QStringLiteral("posters"));
    bench.poster();
    say(QStringLiteral("start-up"));
    bench.startUp(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("videofold")));

    const QString machine = machineDescription();
    const QString ffmpeg = MediaTools::encoderVersion();
    const QList<Figure> figures(bench.figures.cbegin(), bench.figures.cend());
    printTable(figures, machine + QStringLiteral("\n") + ffmpeg);
    const QString results = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("bench/results.json");
    if (!writeResults(figures, machine, ffmpeg, results))
        say(QStringLiteral("could not write ") + results);
    return 0;
}
