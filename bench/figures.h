#pragma once

#include <QList>
#include <QString>

// One measured figure: its samples, its unit and the bound it should stay under (or above).
struct Figure
{
    QString name;
    QString unit;
    double target = 0;
    QList<double> samples;
    bool boundsLargest = false; // the target bounds every sample, not only the median
    bool boundsBelow = false;   // the median should reach the target at least

    [[nodiscard]] double min() const;
    [[nodiscard]] double median() const;
    [[nodiscard]] double max() const;
    [[nodiscard]] bool meetsTarget() const
    {
        if (boundsBelow)
            return !samples.isEmpty() && median() >= target;
        return !samples.isEmpty() && (boundsLargest ? max() : median()) <= target;
    }
};

// The table on standard output, with a header naming the machine and FFmpeg.
void printTable(const QList<Figure> &figures, const QString &header);

// {"figures": [{"name", "unit", "min", "median", "max", "runs", "target"}], ...}
bool writeResults(const QList<Figure> &figures, const QString &machine, const QString &ffmpeg,
                  const QString &path);
