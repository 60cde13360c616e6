#pragma once

#include "export/exactsize.h"

#include <QList>

#include <optional>

// The exact size of one export as a step object: the analysis' audio and
// container bytes in, the first pass out; each pass's written bytes in, the
// next pass out, or nothing when the size is held.
class ExactSizeRuns
{
public:
    ExactSizeRuns(qint64 targetBytes, double duration, bool isCeiling);

    [[nodiscard]] Pass first(qint64 fixedBytes);
    [[nodiscard]] std::optional<Pass> passEnded(qint64 writtenBytes);
    [[nodiscard]] const Pass &last() const { return m_passes.last(); }

private:
    Pass record(const Pass &pass);

    qint64 m_targetBytes = 0;
    double m_duration = 1;
    SizeBounds m_bounds;
    qint64 m_fixedBytes = 0;
    QList<Pass> m_passes;
};
