#include "cli/progressprinter.h"

#include "export/settingstext.h"

#include <QCoreApplication>

#include <unistd.h>

#include <cmath>
#include <cstdio>

ProgressPrinter::ProgressPrinter(const QString &name, bool quiet)
    : m_name(name), m_quiet(quiet), m_isTerminal(::isatty(STDERR_FILENO) == 1)
{
    m_clock.start();
}

void ProgressPrinter::show(double percent, const QString &runName)
{
    if (m_quiet)
        return;
    const double elapsed = double(m_clock.elapsed()) / 1000;
    if (!m_isTerminal) {
        const int step = int(std::floor(percent / 5));
        if (step <= m_lastStep)
            return;
        m_lastStep = step;
        std::fprintf(stderr, "%s: %s %d %%\n", m_name.toUtf8().constData(), runName.toUtf8().constData(),
                     int(std::floor(percent)));
        std::fflush(stderr);
        return;
    }
    // A redraw ten times a second is all an eye follows.
    if (m_clock.elapsed() - m_lastDrawMs < 100 && percent < 100)
        return;
    m_lastDrawMs = m_clock.elapsed();
    // One substitution for all: a "%3" in a file name is part of the name, not a place for the percentage.
    const QString shown = QString::number(int(std::floor(percent)));
    const QString line = percent >= 1
        ? QCoreApplication::translate("CommandLine", "%1 · %2 · %3 % · %4 elapsed · about %5 left")
              .arg(m_name, runName, shown, clockText(elapsed), clockText(elapsed * (100 - percent) / percent))
        : QCoreApplication::translate("CommandLine", "%1 · %2 · %3 % · %4 elapsed").arg(m_name, runName, shown, clockText(elapsed));
    std::fprintf(stderr, "\r\033[K%s", line.toUtf8().constData());
    std::fflush(stderr);
    m_hasLine = true;
}

void ProgressPrinter::clear()
{
    if (!m_hasLine)
        return;
    std::fprintf(stderr, "\r\033[K");
    std::fflush(stderr);
    m_hasLine = false;
}
