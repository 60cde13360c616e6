#include "export/exactsizeruns.h"

#include "common/diagnostics.h"

#include <algorithm>

ExactSizeRuns::ExactSizeRuns(qint64 targetBytes, double duration, bool isCeiling)
    : m_targetBytes(targetBytes), m_duration(duration), m_bounds(isCeiling ? ceilingBounds : SizeBounds{})
{
}

Pass ExactSizeRuns::first(qint64 fixedBytes)
{
    // The video gets exactly what the audio and the container leave of the target.
    m_fixedBytes = fixedBytes;
    writeDiagnosticLine(QStringLiteral("Exact size: %1 bytes, audio and container %2").arg(m_targetBytes).arg(fixedBytes));
    return record({PassKind::Final, exactVideoKilobits(m_targetBytes, fixedBytes, 0, m_duration), 0});
}

std::optional<Pass> ExactSizeRuns::passEnded(qint64 writtenBytes)
{
    m_passes.last().writtenBytes = writtenBytes;
    if (const std::optional<Pass> next = nextExactSizePass(m_passes, m_targetBytes, m_fixedBytes, m_duration, m_bounds)) {
        writeDiagnosticLine(QStringLiteral("Exact size: %1 of %2 bytes written").arg(writtenBytes).arg(m_targetBytes));
        return record(*next);
    }
    const Pass &held = m_passes.last();
    writeDiagnosticLine(QStringLiteral("Exact size: %1 of %2 bytes (%3), held by the %4, pass %5")
                            .arg(held.writtenBytes)
                            .arg(m_targetBytes)
                            .arg(double(held.writtenBytes) / double(std::max<qint64>(m_targetBytes, 1)), 0, 'f', 3)
                            .arg(passName(held.kind))
                            .arg(m_passes.size()));
    if (held.writtenBytes > 0 && double(held.writtenBytes) < m_bounds.least * double(m_targetBytes)) {
        // Below the target only where the encoder could not spend the bytes: say so.
        writeDiagnosticLine(QStringLiteral("The video reached the encoder's quality ceiling: %1 of %2 bytes")
                                .arg(held.writtenBytes)
                                .arg(m_targetBytes));
    }
    return std::nullopt;
}

Pass ExactSizeRuns::record(const Pass &pass)
{
    writeDiagnosticLine(QStringLiteral("Exact size: %1 at %2 kb/s").arg(passName(pass.kind)).arg(pass.videoKilobits));
    m_passes << pass;
    return pass;
}
