// Everything the prober says about one stream, as a sorted list of text pairs.
#include "probe/fileprobe.h"

#include "probe/framerate.h"

using namespace Qt::StringLiterals;

namespace {

// Rates between 20 and 200 frames per second read as a localized number; any
// other rate, and a text that is no fraction, stays as the prober wrote it.
void addFrameRate(const JSON &value, KeyValueMap &details)
{
    const QString fraction = detailText(value);
    const std::optional<double> rate = rateOfFraction(fraction);
    if (rate && *rate > 20.0 && *rate < 200.0) {
        if (const std::optional<QString> text = localizedDecimalText(*rate))
            details.insert(u"frames_per_second"_s, *text);
        return;
    }
    details.insert(u"r_frame_rate"_s, fraction);
}

} // namespace

KeyValueList FileProbe::streamKeyValues(const JSON &stream) const
{
    KeyValueMap details;
    for (const auto &[name, value] : stream) {
        if (name == u"disposition") {
            for (const auto &[flag, flagValue] : value)
                details.insert(flag + u".disposition"_s, detailText(flagValue));
        } else if (name == u"tags") {
            for (const auto &[tag, tagValue] : value)
                details.insert(tag + u".tags"_s, detailText(tagValue));
        } else if (name == u"r_frame_rate") {
            addFrameRate(value, details);
        } else {
            details.insert(name, detailText(value));
        }
    }
    KeyValueList list = sortedByKey(details);
    if (stream[u"codec_name"] == JSON(u"bin_data"_s))
        list = chapterKeyValues() + list;
    return list;
}
