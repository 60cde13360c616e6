#pragma once

// What both benches share: timing, the generated source, the machine, and the figures' sheet.

#include "figures.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <deque>

double milliseconds(const QElapsedTimer &clock);
void say(const QString &line);
// Runs a tool to its end with its output drained, as the application does.
double timeTool(const QString &program, const QStringList &arguments);
QString tool(QStringView name);
// A generated H.264/AAC source of the lavfi picture, 30 frames a second.
bool makeSource(const QString &path, const QString &picture = QStringLiteral("testsrc2=size=1920x1080:rate=30"),
                int seconds = 30);
// The mean SSIM of a video's frames against the source's (same frame size); 0 when it cannot be measured.
double ssimOf(const QString &video, const QString &reference);
qint64 residentKilobytes();
double cpuSeconds(int who);
QString machineDescription();

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

// The figures of one bench, its scratch folder and the 1080p source it measures on.
struct FigureSheet
{
    QTemporaryDir folder;
    QString source;
    std::deque<Figure> figures; // references to figures stay valid as more are added

    Figure &figure(const QString &name, const QString &unit, double target)
    {
        figures.push_back({name, unit, target, {}});
        return figures.back();
    }
    // Makes the source; false, with the reason said, when it cannot.
    bool makeSourceFile();
    // Prints the table and writes the results to the path given first, else to defaultResults.
    int finish(int argc, char *argv[], const QString &defaultResults) const;
};
