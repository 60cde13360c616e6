#include "export/captiontrim.h"

#include "export/webvtttime.h"

#include "tools/mediatools.h"
#include "tools/toolrun.h"

#include <QFile>
#include <QList>
#include <QSaveFile>
#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace {

// "01:02.500" or "1:01:02.500", as WebVTT writes a time.
std::optional<double> secondsOf(const QString &text)
{
    static const QRegularExpression time(QStringLiteral("^(?:(\\d+):)?(\\d{2}):(\\d{2})\\.(\\d{3})$"));
    const QRegularExpressionMatch match = time.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toDouble() * 3600 + match.captured(2).toDouble() * 60 + match.captured(3).toDouble()
        + match.captured(4).toDouble() / 1000;
}

const QRegularExpression &timingLine()
{
    static const QRegularExpression timing(QStringLiteral("^\\s*(\\S+)\\s+-->\\s+(\\S+)(.*)$"));
    return timing;
}

// The cue's text after its timing line: an arrow there would read as another
// timing line in browsers, which then lose the cue; "&gt;" shows as ">".
void escapeArrows(QStringList &lines, qsizetype timing)
{
    for (qsizetype index = timing + 1; index < lines.size(); ++index)
        lines[index].replace(QStringLiteral("-->"), QStringLiteral("--&gt;"));
}

// The block with its timing line moved into the kept part, its text made safe;
// nothing when the cue lies outside it. A whole video keeps everything (end infinite).
std::optional<QStringList> keptCue(QStringList lines, double start, double end)
{
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QRegularExpressionMatch match = timingLine().match(lines.at(index));
        if (!match.hasMatch())
            continue;
        escapeArrows(lines, index);
        const std::optional<double> from = secondsOf(match.captured(1));
        const std::optional<double> to = secondsOf(match.captured(2));
        if (!from || !to || (start <= 0 && std::isinf(end)))
            return lines; // not a time this reader knows, or nothing cut: left as written
        const double keptFrom = std::max(*from, start) - start;
        const double keptTo = std::min(*to, end) - start;
        if (keptTo <= keptFrom)
            return std::nullopt;
        lines[index] = webVttTime(keptFrom) + QStringLiteral(" --> ") + webVttTime(keptTo) + match.captured(3);
        return lines;
    }
    return lines; // the header, a note or a style
}

} // namespace

bool writeTrimmedCaptions(const QString &sourcePath, qint64 streamIndex, double start, double end, const QString &target,
                          const std::atomic<bool> *cancelled)
{
    // The whole stream, cut here: the encoder's own seeking neither shifts nor clips cues.
    ToolRun::Options options;
    options.cancelled = cancelled;
    const ToolRun::Result result = ToolRun::run(
        MediaTools::resourcePath(MediaTools::encoderName).value_or(QString()),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), sourcePath, QStringLiteral("-map"),
         QStringLiteral("0:") + QString::number(streamIndex), QStringLiteral("-c:s"), QStringLiteral("webvtt"),
         QStringLiteral("-f"), QStringLiteral("webvtt"), QStringLiteral("-")},
        options);
    const QByteArray &whole = result.output;
    if (!result.succeeded() || !whole.startsWith("WEBVTT"))
        return false;
    QSaveFile file(target);
    return file.open(QIODevice::WriteOnly) && file.write(trimmedCaptions(whole, start, end)) >= 0 && file.commit();
}

QByteArray trimmedCaptions(const QByteArray &webvtt, double start, double end)
{
    // WebVTT ends its lines with CR LF, LF or a CR alone.
    const QString text = QString::fromUtf8(webvtt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList kept;
    for (const QString &block : text.split(QRegularExpression(QStringLiteral("\n{2,}")), Qt::SkipEmptyParts)) {
        if (const std::optional<QStringList> cue = keptCue(block.split(u'\n', Qt::SkipEmptyParts), start, end))
            kept << cue->join(u'\n');
    }
    return (kept.join(QStringLiteral("\n\n")) + u'\n').toUtf8();
}

QByteArray safeCaptions(const QByteArray &webvtt)
{
    return trimmedCaptions(webvtt, 0, HUGE_VAL);
}

bool makeCaptionFileSafe(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray written = file.readAll();
    file.close();
    if (!written.startsWith("WEBVTT"))
        return false;
    const QByteArray safe = safeCaptions(written);
    if (safe == written)
        return true;
    QSaveFile rewritten(path);
    return rewritten.open(QIODevice::WriteOnly) && rewritten.write(safe) >= 0 && rewritten.commit();
}
