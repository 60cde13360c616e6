#pragma once

#include <QString>

#include <memory>

class FileProbe;

// The video on display: its path and its description, accepted for export.
struct SourceVideo
{
    QString path;
    std::shared_ptr<const FileProbe> probe;

    [[nodiscard]] bool isOpen() const { return probe != nullptr; }
};
