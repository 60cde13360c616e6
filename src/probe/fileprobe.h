#pragma once

#include "json/json.h"
#include "probe/keyvalues.h"

#include <QList>
#include <QString>
#include <QVariantMap>

#include <optional>

// The media description of one source file: what the prober says about it,
// filled once by the constructor and read-only afterwards. The constructor
// never fails; every failure shows in the fields. Usable from any thread.
class FileProbe
{
public:
    // Measures the file and runs the prober ("sniffer") on it, synchronously.
    explicit FileProbe(const QString &path);
    // The same description from a prober answer already at hand; the file is
    // still measured, but no prober runs.
    FileProbe(const QString &path, const QByteArray &proberAnswer);

    std::optional<quint64> fileSize;
    std::optional<QString> fileSizeHuman;
    std::optional<QString> fileName;
    bool hasErrors = false;
    bool isValidMediaFile = false;
    bool isEncrypted = false;
    qint64 numberOfTracks = 0;
    double duration = 0;
    std::optional<QString> durationHuman;
    qint64 bitrate = 0;
    std::optional<QString> bitrateHuman;
    qint64 numberOfVideoTracks = 0;
    qint64 numberOfAudioTracks = 0;
    qint64 numberOfSubtitleTracks = 0;
    // The whole answer, kept only when it carries no "error" member.
    std::optional<JSON> json;
    // What the prober said went wrong ("Invalid data found when processing input"), when it did.
    QString proberError;
    // One record per stream, in stream order, with the keys "trackNumber",
    // "trackType", "trackCodec", "trackDuration", "trackDurationHuman",
    // "trackLanguage", "trackExtraInfo" and "trackKeyValue".
    QList<QVariantMap> tracksInfo;
    KeyValueList metadata;
    std::optional<JSON> firstVideoTrackInfo;
    std::optional<JSON> firstAudioTrackInfo;

    // The nine prober arguments for a file.
    [[nodiscard]] static QStringList proberArguments(const QString &path);

    // The chapter list: chapter titles with their start and end times.
    [[nodiscard]] KeyValueList chapterKeyValues() const;
    // Everything the answer says about one stream, sorted by name.
    [[nodiscard]] KeyValueList streamKeyValues(const JSON &stream) const;

private:
    void measure(const QString &path);
    void readAnswer(const QString &path, const QByteArray &answer);
    void buildTrackTable(const JSON &answer);
};

// The size of the file at path (through symbolic links), or 0 with a diagnostic
// line when it cannot be read.
[[nodiscard]] quint64 fileSizeOf(const QString &path);
// The size as display text, or "Unknown File Size" with a diagnostic line.
[[nodiscard]] QString fileSizeText(const QString &path);

// The container metadata: the answer's "format" members, tags expanded.
[[nodiscard]] KeyValueList formatKeyValues(const JSON &answer);
