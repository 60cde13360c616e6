#include "figures.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>

double Figure::min() const
{
    return samples.isEmpty() ? 0 : *std::min_element(samples.cbegin(), samples.cend());
}

double Figure::max() const
{
    return samples.isEmpty() ? 0 : *std::max_element(samples.cbegin(), samples.cend());
}

double Figure::median() const
{
    if (samples.isEmpty())
        return 0;
    QList<double> sorted = samples;
    std::sort(sorted.begin(), sorted.end());
    const qsizetype middle = sorted.size() / 2;
    return sorted.size() % 2 ? sorted.at(middle) : (sorted.at(middle - 1) + sorted.at(middle)) / 2;
}

void printTable(const QList<Figure> &figures, const QString &header)
{
    std::printf("%s\n\n", qPrintable(header));
    std::printf("%-24s %10s %10s %10s %5s %10s  %s\n", "figure", "min", "median", "max", "runs", "target",
                "unit");
    for (const Figure &figure : figures) {
        std::printf("%-24s %10.3f %10.3f %10.3f %5lld %10.3f  %s %s\n", qPrintable(figure.name), figure.min(),
                    figure.median(), figure.max(), static_cast<long long>(figure.samples.size()), figure.target,
                    qPrintable(figure.unit), figure.meetsTarget() ? "" : figure.boundsBelow ? "(under target)" : "(over target)");
    }
    std::fflush(stdout);
}

bool writeResults(const QList<Figure> &figures, const QString &machine, const QString &ffmpeg, const QString &path)
{
    QJsonArray list;
    for (const Figure &figure : figures) {
        list.append(QJsonObject{{QStringLiteral("name"), figure.name},
                                {QStringLiteral("unit"), figure.unit},
                                {QStringLiteral("min"), figure.min()},
                                {QStringLiteral("median"), figure.median()},
                                {QStringLiteral("max"), figure.max()},
                                {QStringLiteral("runs"), figure.samples.size()},
                                {QStringLiteral("target"), figure.target}});
    }
    const QJsonObject results{{QStringLiteral("machine"), machine},
                              {QStringLiteral("ffmpeg"), ffmpeg},
                              {QStringLiteral("figures"), list}};
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(results).toJson());
    return true;
}
