#pragma once

#include <QStandardItemModel>

#include <memory>

class FileProbe;

// The media description as a two-column tree (item, value): the file, its
// tracks with their details, the container metadata and the chapters.
[[nodiscard]] std::unique_ptr<QStandardItemModel> buildMediaInfoModel(const FileProbe &probe);
