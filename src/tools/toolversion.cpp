#include "tools/toolversion.h"

#include "tools/mediatools.h"
#include "tools/toolrun.h"


namespace MediaTools {

namespace {

// What the encoder prints on standard output for these arguments; empty when it cannot run.
QByteArray encoderOutput(const QStringList &arguments)
{
    const std::optional<QString> encoder = resourcePath(encoderName);
    if (!encoder)
        return {};
    const ToolRun::Result result = ToolRun::run(*encoder, arguments, {std::chrono::seconds(10)});
    return result.end == ToolRun::Result::End::Exited ? result.output : QByteArray();
}

} // namespace

QString encoderVersion()
{
    const QString first = QString::fromUtf8(encoderOutput({QStringLiteral("-hide_banner"), QStringLiteral("-version")}))
                              .section(u'\n', 0, 0);
    return first.section(QStringLiteral(" Copyright"), 0, 0).trimmed();
}

bool encoderHas(QStringView name)
{
    // Lines such as " V....D libsvtav1   SVT-AV1(...) encoder (codec av1)".
    const QString list = QString::fromUtf8(encoderOutput({QStringLiteral("-hide_banner"), QStringLiteral("-encoders")}));
    for (const QString &line : list.split(u'\n')) {
        if (line.simplified().section(u' ', 1, 1) == name)
            return true;
    }
    return false;
}

} // namespace MediaTools
