#pragma once

#include "export/exportrequest.h"
#include "export/outputfolder.h"

#include <QString>

#include <optional>

// One export in the queue: what was asked for, and how far it has come.
struct QueuedExport
{
    enum class State { Waiting, Running, Done, Failed, Cancelled };

    quint64 id = 0;
    ExportRequest request;
    State state = State::Waiting;
    std::optional<FolderIdentity> folderIdentity; // of the folder made for it, to know it again
    double percent = 0;                           // of the running export, when it reports one
    QString runName;                              // "Analysing", "Final pass" ...
    ExportOutcome outcome;                        // once it has ended

    [[nodiscard]] bool isFinished() const
    {
        return state == State::Done || state == State::Failed || state == State::Cancelled;
    }
};
