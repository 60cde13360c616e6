#pragma once

// What a choice gives for the 60-second source long.mp4, as one table that
// every way in (the core, the window, the command line) is held against.

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

struct ChoiceRow
{
    const char *name;
    // As the command line takes them; empty: not given.
    QString frameSize, size, poster, start, end;
    // What it gives: a refusal that says this, or a request.
    QString refusal;
    double targetShareOfSource = 0; // the target over the source's size
    bool ceiling = false;
    double startSeconds = 0;
    std::optional<double> endSeconds;
    double posterSeconds = 0;
    bool usageError = false; // refused before any folder is looked at: status 2 on the command line

    // The options that say it on the command line.
    [[nodiscard]] QStringList options() const
    {
        QStringList list;
        const std::pair<const char *, const QString *> given[] = {
            {"--frame-size", &frameSize}, {"--size", &size}, {"--poster", &poster}, {"--start", &start}, {"--end", &end}};
        for (const auto &[option, value] : given) {
            if (!value->isEmpty())
                list << QString::fromLatin1(option) << *value;
        }
        return list;
    }
};

inline const QList<ChoiceRow> &choiceRows()
{
    using namespace Qt::StringLiterals;
    static const QList<ChoiceRow> rows = {
        {"the whole video", {}, {}, {}, {}, {}, {}, 1, false, 0, std::nullopt, 30},
        {"a share of a part", u"50%"_s, u"50%"_s, {}, u"10"_s, u"0:40"_s, {}, 0.25, false, 10, 40.0, 25},
        {"a limit over the source", {}, u"1GB"_s, {}, {}, {}, {}, 1, true, 0, std::nullopt, 30},
        {"a limit over the part kept", {}, u"1GB"_s, {}, {}, u"50%"_s, {}, 0.5, true, 0, 30.0, 15},
        {"an end past the video", {}, {}, u"0:45"_s, u"0:30"_s, u"9:00"_s, {}, 0.5, false, 30, std::nullopt, 45},
        {"a part shorter than a frame", {}, {}, {}, u"10"_s, u"10.02"_s, u"is shorter than one frame (0.040 s)"_s, 0, false, 0, std::nullopt, 0, true},
        {"a start after the end", {}, {}, {}, u"40"_s, u"20"_s, u"is not before the end"_s, 0, false, 0, std::nullopt, 0, true},
        {"a poster outside the part", {}, {}, u"0:05"_s, u"10"_s, {}, u"lies outside the part kept"_s, 0, false, 0, std::nullopt, 0},
        {"a poster past the video", {}, {}, u"9:00"_s, {}, {}, u"lies past the end of the video"_s, 0, false, 0, std::nullopt, 0},
        {"a limit under 1 % of the source", {}, u"15kB"_s, {}, {}, {}, u"is less than 1 % of the video"_s, 0, false, 0, std::nullopt, 0, true},
        {"a frame size the slider cannot reach", u"300x300"_s, {}, {}, {}, {}, u"640 x 360 (100 %)"_s, 0, false, 0, std::nullopt, 0},
    };
    return rows;
}
