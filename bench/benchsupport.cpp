#include "benchsupport.h"

#include "tools/mediatools.h"
#include "tools/toolversion.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QThread>

#include <sys/resource.h>

#include <cstdio>

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



QString tool(QStringView name)
{
    return MediaTools::resourcePath(name).value_or(QString());
}

// A generated H.264/AAC source of the lavfi picture, 30 frames a second.
bool makeSource(const QString &path, const QString &picture, int seconds)
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

bool FigureSheet::makeSourceFile()
{
    source = folder.filePath(QStringLiteral("source-1080p.mp4"));
    say(QStringLiteral("making a 1080p, 30-second H.264/AAC source"));
    if (makeSource(source))
        return true;
    say(QStringLiteral("could not make the source; is FFmpeg there?"));
    return false;
}

int FigureSheet::finish(int argc, char *argv[], const QString &defaultResults) const
{
    const QString machine = machineDescription();
    const QString ffmpeg = MediaTools::encoderVersion();
    const QList<Figure> list(figures.cbegin(), figures.cend());
    printTable(list, machine + QStringLiteral("\n") + ffmpeg);
    const QString results = argc > 1 ? QString::fromLocal8Bit(argv[1]) : defaultResults;
    if (!writeResults(list, machine, ffmpeg, results))
        say(QStringLiteral("could not write ") + results);
    return 0;
}
