#include "export/playability.h"

#include "json/json.h"
#include "probe/proberrun.h"
#include "tools/mediatools.h"

QStringList playabilityArguments(const QString &path)
{
    return {QStringLiteral("-v"), QStringLiteral("quiet"), QStringLiteral("-select_streams"), QStringLiteral("v:0"),
            QStringLiteral("-read_intervals"), QStringLiteral("%+#1"), QStringLiteral("-count_frames"),
            QStringLiteral("-show_entries"), QStringLiteral("stream=codec_name,nb_read_frames,duration:format=duration"),
            QStringLiteral("-print_format"), QStringLiteral("json"), path};
}

std::optional<double> playableVideoSeconds(const QString &path)
{
    const std::optional<QString> prober = MediaTools::resourcePath(MediaTools::proberName);
    if (!prober)
        return std::nullopt;
    const std::optional<JSON> answer = JSON::fromBytes(runProber(*prober, playabilityArguments(path)));
    if (!answer)
        return std::nullopt;
    const JSON stream = (*answer)[u"streams"][0];
    const double duration = std::max(stream[u"duration"].numberValue().toDouble(),
                                     (*answer)[u"format"][u"duration"].numberValue().toDouble());
    const QString codec = stream[u"codec_name"].stringValue();
    if ((codec != u"h264" && codec != u"av1") || stream[u"nb_read_frames"].numberValue().toInt64() < 1
        || !(duration > 0))
        return std::nullopt;
    return duration;
}

bool isPlayableVideo(const QString &path)
{
    return playableVideoSeconds(path).has_value();
}
