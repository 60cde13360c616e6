#pragma once

#include <QElapsedTimer>
#include <QString>

// One export's progress on standard error: on a terminal, one line redrawn in
// place; elsewhere (a log, a pipe), a plain line at most every 5 %.
class ProgressPrinter
{
public:
    ProgressPrinter(const QString &name, bool quiet);

    void show(double percent, const QString &runName);
    // Takes a redrawn line away, so the next line starts clean.
    void clear();

private:
    QString m_name;
    bool m_quiet;
    bool m_isTerminal;
    bool m_hasLine = false;
    int m_lastStep = -1;
    qint64 m_lastDrawMs = -1000;
    QElapsedTimer m_clock;
};
