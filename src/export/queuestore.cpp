#include "export/queuestore.h"

#include "common/diagnostics.h"
#include "export/encoderarguments.h"
#include "export/posterframe.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <csignal>
#include <cerrno>

namespace QueueStore {

namespace {

constexpr QStringView formatName = u"videofold-export-queue";
constexpr int formatVersion = 1;

const QStringList stateNames = {QStringLiteral("waiting"), QStringLiteral("running"), QStringLiteral("done"),
                                QStringLiteral("failed"), QStringLiteral("cancelled")};

QJsonObject toJson(const QueuedExport &entry)
{
    const ExportRequest &request = entry.request;
    QJsonObject object{
        {QStringLiteral("source"), request.sourcePath},
        {QStringLiteral("folder"), request.folder},
        {QStringLiteral("state"), stateNames.at(int(entry.state))},
        {QStringLiteral("frameWidth"), request.frameSize.width},
        {QStringLiteral("frameHeight"), request.frameSize.height},
        {QStringLiteral("targetBytes"), request.targetBytes},
        {QStringLiteral("targetIsCeiling"), request.targetIsCeiling},
        {QStringLiteral("posterSeconds"), request.posterSeconds},
        {QStringLiteral("controls"), request.pageOptions.controls},
        {QStringLiteral("autoplay"), request.pageOptions.autoplay},
        {QStringLiteral("loop"), request.pageOptions.loop},
        {QStringLiteral("muted"), request.pageOptions.muted},
        {QStringLiteral("minimalPage"), request.minimalPage},
        {QStringLiteral("fastStart"), request.fastStart},
        {QStringLiteral("adaptive"), request.adaptive},
        {QStringLiteral("approximateSize"), request.approximateSize},
        {QStringLiteral("av1Version"), request.av1Version},
        {QStringLiteral("startSeconds"), request.startSeconds},
        {QStringLiteral("posterAtExactTime"), request.posterAtExactTime},
        {QStringLiteral("evenLoudness"), request.evenLoudness},
        {QStringLiteral("webPlayer"), request.webPlayer},
        {QStringLiteral("thumbnails"), request.thumbnails},
        {QStringLiteral("videoBytes"), entry.outcome.videoBytes},
        {QStringLiteral("reason"), entry.outcome.reason},
    };
    if (request.endSeconds)
        object.insert(QStringLiteral("endSeconds"), *request.endSeconds);
    if (entry.folderIdentity) {
        // As text: a JSON number holds 53 bits, an inode may need 64.
        object.insert(QStringLiteral("folderDevice"), QString::number(entry.folderIdentity->device));
        object.insert(QStringLiteral("folderInode"), QString::number(entry.folderIdentity->inode));
    }
    return object;
}

bool isAbsoluteFolder(const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    return QDir::isAbsolutePath(path) && clean == path && clean != u"/";
}

std::optional<QueuedExport> fromJson(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    const QString source = object.value(QStringLiteral("source")).toString();
    const QString folder = object.value(QStringLiteral("folder")).toString();
    const qsizetype state = stateNames.indexOf(object.value(QStringLiteral("state")).toString());
    const double target = object.value(QStringLiteral("targetBytes")).toDouble(-1);
    if (!QDir::isAbsolutePath(source) || !isAbsoluteFolder(folder) || state < 0 || target <= 0)
        return std::nullopt;
    QueuedExport entry;
    entry.state = QueuedExport::State(state);
    ExportRequest &request = entry.request;
    request.sourcePath = source;
    request.folder = folder;
    request.frameSize = {object.value(QStringLiteral("frameWidth")).toInteger(),
                         object.value(QStringLiteral("frameHeight")).toInteger()};
    request.targetBytes = target;
    request.targetIsCeiling = object.value(QStringLiteral("targetIsCeiling")).toBool();
    request.posterSeconds = std::max(0.0, object.value(QStringLiteral("posterSeconds")).toDouble());
    request.pageOptions = {object.value(QStringLiteral("controls")).toBool(), object.value(QStringLiteral("autoplay")).toBool(),
                           object.value(QStringLiteral("loop")).toBool(), object.value(QStringLiteral("muted")).toBool()};
    request.minimalPage = object.value(QStringLiteral("minimalPage")).toBool();
    request.fastStart = object.value(QStringLiteral("fastStart")).toBool();
    request.adaptive = object.value(QStringLiteral("adaptive")).toBool();
    request.approximateSize = object.value(QStringLiteral("approximateSize")).toBool();
    request.av1Version = object.value(QStringLiteral("av1Version")).toBool();
    request.startSeconds = std::max(0.0, object.value(QStringLiteral("startSeconds")).toDouble());
    const QJsonValue end = object.value(QStringLiteral("endSeconds"));
    if (end.isDouble())
        request.endSeconds = end.toDouble();
    request.posterAtExactTime = object.value(QStringLiteral("posterAtExactTime")).toBool();
    request.evenLoudness = object.value(QStringLiteral("evenLoudness")).toBool();
    // Entries queued before the player and its thumbnails existed get them as new ones do.
    request.webPlayer = object.value(QStringLiteral("webPlayer")).toBool(true);
    request.thumbnails = object.value(QStringLiteral("thumbnails")).toBool(true);
    entry.outcome.videoBytes = object.value(QStringLiteral("videoBytes")).toInteger();
    entry.outcome.reason = object.value(QStringLiteral("reason")).toString();
    if (request.frameSize.isEmpty())
        return std::nullopt;
    bool deviceRead = false;
    bool inodeRead = false;
    const quint64 device = object.value(QStringLiteral("folderDevice")).toString().toULongLong(&deviceRead);
    const quint64 inode = object.value(QStringLiteral("folderInode")).toString().toULongLong(&inodeRead);
    if (deviceRead && inodeRead)
        entry.folderIdentity = FolderIdentity{device, inode};
    return entry;
}

bool isOwnerGone(const QString &queueFile, qint64 processId, qint64 ownProcessId)
{
    // Our own number was given to us after the process that had it ended.
    if (processId == ownProcessId)
        return true;
    const QString lock = lockFilePath(queueFile);
    if (QFileInfo::exists(lock))
        return !Lock::isHeldAt(lock);
    return ::kill(pid_t(processId), 0) != 0 && errno == ESRCH;
}

void setAside(const QString &filePath)
{
    const QString aside = filePath + QStringLiteral(".damaged");
    QFile::remove(aside);
    QFile::rename(filePath, aside);
    writeDiagnosticLine(QStringLiteral("The export queue file %1 cannot be read; it was set aside as %2").arg(filePath, aside));
}

// What an export writes into its folder: the page, the poster, the videos,
// the caption files and the AV1 version's runs.
bool isExportEntry(const QString &name)
{
    static const QStringList fixedNames = {videoFileName.toString(), av1VideoFileName.toString(),
                                           PosterFrame::posterFileName.toString(), pageFileName.toString()};
    static const QRegularExpression written(QStringLiteral("^(captions\\..+\\.vtt|\\.av1-run-[0-9]+\\.mp4)$"));
    return fixedNames.contains(name) || written.match(name).hasMatch();
}

// The folder at the entry's path is the one made for it and holds nothing an
// export does not write.
bool isOwnFolder(const QueuedExport &entry)
{
    const std::optional<FolderIdentity> identity = folderIdentity(entry.request.folder);
    if (!identity || !entry.folderIdentity || *identity != *entry.folderIdentity)
        return false;
    const QStringList names = QDir(entry.request.folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    return std::all_of(names.begin(), names.end(), isExportEntry);
}

} // namespace

QString filePath(const QString &directory, qint64 processId)
{
    return QDir(directory).filePath(QStringLiteral("exportqueue-%1.json").arg(processId));
}

QString lockFilePath(const QString &queueFile)
{
    return QString(queueFile).replace(QRegularExpression(QStringLiteral("\\.json$")), QString()) + QStringLiteral(".lock");
}

Lock::Lock(const QString &queueFile) : m_path(lockFilePath(queueFile))
{
    QDir().mkpath(QFileInfo(m_path).path());
    m_descriptor = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_descriptor >= 0 && ::flock(m_descriptor, LOCK_EX | LOCK_NB) != 0) {
        ::close(m_descriptor);
        m_descriptor = -1;
    }
    if (m_descriptor < 0)
        writeDiagnosticLine(QStringLiteral("The export queue's lock %1 cannot be held").arg(m_path));
}

Lock::~Lock()
{
    // The file stays beside a queue left to offer back, free for the next launch to find.
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

bool Lock::isHeldAt(const QString &path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool held = ::flock(descriptor, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(descriptor);
    return held;
}

bool save(const QString &filePath, const QList<QueuedExport> &exports)
{
    QJsonArray array;
    for (const QueuedExport &entry : exports)
        array.append(toJson(entry));
    const QJsonObject document{{QStringLiteral("format"), formatName.toString()},
                               {QStringLiteral("version"), formatVersion},
                               {QStringLiteral("exports"), array}};
    QDir().mkpath(QFileInfo(filePath).path());
    const QByteArray bytes = QJsonDocument(document).toJson();
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
        writeDiagnosticLine(QStringLiteral("The export queue cannot be saved to %1: %2").arg(filePath, file.errorString()));
        return false;
    }
    return true;
}

std::optional<QList<QueuedExport>> read(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(file.read(4 << 20));
}

std::optional<QList<QueuedExport>> parse(const QByteArray &bytes)
{
    const QJsonObject document = QJsonDocument::fromJson(bytes).object();
    const QString format = document.value(QStringLiteral("format")).toString();
    const int version = document.value(QStringLiteral("version")).toInt();
    const QJsonValue entries = document.value(QStringLiteral("exports"));
    if (format != formatName || version != formatVersion || !entries.isArray())
        return std::nullopt;
    QList<QueuedExport> exports;
    for (const QJsonValue &value : entries.toArray()) {
        std::optional<QueuedExport> entry = fromJson(value);
        if (!entry)
            return std::nullopt; // one entry not as written: the whole file is suspect
        exports << *entry;
    }
    return exports;
}

LeftBehind leftBehind(const QString &directory, qint64 ownProcessId)
{
    LeftBehind left;
    static const QRegularExpression queueName(QStringLiteral("^exportqueue-([0-9]+)\\.json$"));
    const QDir folder(directory);
    for (const QString &name : folder.entryList({QStringLiteral("exportqueue-*.json")}, QDir::Files, QDir::Name)) {
        const QRegularExpressionMatch match = queueName.match(name);
        const qint64 processId = match.captured(1).toLongLong(); // 0 when it does not match
        const QString path = folder.filePath(name);
        if (processId <= 0 || !isOwnerGone(path, processId, ownProcessId))
            continue; // another window's live queue
        const std::optional<QList<QueuedExport>> exports = read(path);
        if (!exports) {
            setAside(path);
            continue;
        }
        for (const QueuedExport &entry : *exports) {
            if (!entry.isFinished())
                left.unfinished << entry;
        }
        left.files << path;
        if (processId != ownProcessId && QFileInfo::exists(lockFilePath(path)))
            left.files << lockFilePath(path);
    }
    return left;
}

std::optional<QString> readyForRestart(QueuedExport &entry)
{
    const QString &folder = entry.request.folder;
    const QFileInfo existing(folder);
    if (existing.exists() || existing.isSymLink()) {
        if (!isOwnFolder(entry))
            return QCoreApplication::translate("Export", "“%1” is no longer the folder made for this export and was left alone.").arg(folder);
        QDir(folder).removeRecursively();
    }
    QDir().mkpath(folder);
    entry.folderIdentity = folderIdentity(folder);
    if (!entry.folderIdentity)
        return QCoreApplication::translate("Export", "The folder %1 cannot be created.").arg(folder);
    entry.state = QueuedExport::State::Waiting;
    entry.percent = 0;
    entry.outcome = {};
    return std::nullopt;
}

void abandon(const QueuedExport &entry)
{
    if (isOwnFolder(entry))
        removeFolderIfSame(entry.request.folder, entry.folderIdentity);
}

} // namespace QueueStore
