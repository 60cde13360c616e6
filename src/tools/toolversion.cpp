#include "tools/toolversion.h"

#include "tools/mediatools.h"

#include <QProcess>

namespace MediaTools {

QString encoderVersion()
{
    const std::optional<QString> encoder = resourcePath(encoderName);
    if (!encoder)
        return {};
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(*encoder, {QStringLiteral("-hide_banner"), QStringLiteral("-version")});
    if (!process.waitForFinished(10'000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    const QString first = QString::fromUtf8(process.readAllStandardOutput()).section(u'\n', 0, 0);
    return first.section(QStringLiteral(" Copyright"), 0, 0).trimmed();
}

} // namespace MediaTools
