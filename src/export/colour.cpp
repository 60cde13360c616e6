#include "export/colour.h"

#include "probe/fileprobe.h"

QString firstVideoTransfer(const FileProbe &probe)
{
    if (!probe.firstVideoTrackInfo || !probe.json)
        return {};
    const qint64 index = (*probe.firstVideoTrackInfo)[u"index"].numberValue().toInt64();
    return (*probe.json)[u"streams"][index][u"color_transfer"].stringValue();
}

bool isHdrTransfer(const QString &transfer)
{
    return transfer == u"smpte2084" || transfer == u"arib-std-b67";
}

QString toneMapFilters(const QString &transfer)
{
    if (!isHdrTransfer(transfer))
        return {};
    // To linear light (100 nits as SDR white), to BT.709 primaries, compress the
    // highlights (Mobius: linear up to a knee, keeping the colour), then the BT.709 curve and matrix.
    return QStringLiteral("zscale=t=linear:npl=100,format=gbrpf32le,zscale=p=bt709,tonemap=tonemap=mobius:desat=0,"
                          "zscale=t=bt709:m=bt709:r=tv,format=yuv420p,");
}
