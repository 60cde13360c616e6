#include "export/sourcefacts.h"

#include "common/displaytext.h"
#include "export/outputsettings.h"
#include "probe/fileprobe.h"

#include <QHash>
#include <QStringList>

QString codecDisplayName(const QString &codecName)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("h264"), QStringLiteral("H.264")},      {QStringLiteral("hevc"), QStringLiteral("HEVC")},
        {QStringLiteral("av1"), QStringLiteral("AV1")},         {QStringLiteral("vp8"), QStringLiteral("VP8")},
        {QStringLiteral("vp9"), QStringLiteral("VP9")},         {QStringLiteral("mpeg4"), QStringLiteral("MPEG-4 Part 2")},
        {QStringLiteral("mpeg2video"), QStringLiteral("MPEG-2")}, {QStringLiteral("mpeg1video"), QStringLiteral("MPEG-1")},
        {QStringLiteral("prores"), QStringLiteral("ProRes")},   {QStringLiteral("mjpeg"), QStringLiteral("Motion JPEG")},
        {QStringLiteral("theora"), QStringLiteral("Theora")},   {QStringLiteral("aac"), QStringLiteral("AAC")},
        {QStringLiteral("mp3"), QStringLiteral("MP3")},         {QStringLiteral("mp2"), QStringLiteral("MP2")},
        {QStringLiteral("opus"), QStringLiteral("Opus")},       {QStringLiteral("vorbis"), QStringLiteral("Vorbis")},
        {QStringLiteral("flac"), QStringLiteral("FLAC")},       {QStringLiteral("alac"), QStringLiteral("ALAC")},
        {QStringLiteral("ac3"), QStringLiteral("AC-3")},        {QStringLiteral("eac3"), QStringLiteral("E-AC-3")},
        {QStringLiteral("dts"), QStringLiteral("DTS")},         {QStringLiteral("truehd"), QStringLiteral("TrueHD")},
    };
    if (codecName.startsWith(u"pcm_"))
        return QStringLiteral("PCM");
    return names.value(codecName, codecName.toUpper());
}

QString sourceFactsText(const FileProbe &probe)
{
    QStringList facts;
    if (probe.firstVideoTrackInfo) {
        const FrameSize size = outputFrameSize(*probe.firstVideoTrackInfo, 100);
        if (!size.isEmpty())
            facts << frameSizeText(size);
    }
    if (probe.duration > 0)
        facts << formatDuration(probe.duration).section(u'.', 0, 0);
    if (probe.fileSize)
        facts << byteCountText(*probe.fileSize);
    if (probe.firstVideoTrackInfo) {
        const QString codec = (*probe.firstVideoTrackInfo)[u"codec"].stringValue();
        if (!codec.isEmpty())
            facts << codecDisplayName(codec);
    }
    if (probe.firstAudioTrackInfo) {
        const QString codec = (*probe.firstAudioTrackInfo)[u"codec"].stringValue();
        // "5.1(side)" is 5.1 to a listener.
        const QString layout = (*probe.firstAudioTrackInfo)[u"channel"].stringValue().section(u'(', 0, 0);
        if (!codec.isEmpty())
            facts << (codecDisplayName(codec) + (layout.isEmpty() ? QString() : u' ' + layout));
    }
    return facts.join(QStringLiteral(" · "));
}
