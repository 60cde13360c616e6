#pragma once

// Helpers shared by all the tests: the generated media, and whole files in and out.

#include "export/webplayer.h"
#include "json/json.h"
#include "tools/mediatools.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

// A temporary directory of the test program's own, so that leftovers found
// there are its own, not those of tests running beside it. In initMain.
inline void usePrivateTemporaryDirectory()
{
    static QTemporaryDir temporary;
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
}

inline QString mediaPath(const QString &name)
{
    return QDir(qEnvironmentVariable("VIDEOFOLD_TEST_MEDIA")).filePath(name);
}

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes bytes as the whole of the file at path; false when it cannot.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// The process's child processes, from every thread's list.
inline QStringList childProcesses()
{
    QStringList children;
    QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        children << QString::fromLatin1(bytesOf(tasks.filePath(task + QStringLiteral("/children")))).split(u' ', Qt::SkipEmptyParts);
    return children;
}

// Writes an executable script, such as a scripted stand-in for a tool.
inline bool writeScript(const QString &path, const QByteArray &script)
{
    return writeFile(path, script) && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Fills folder as the tools' resource folder (MediaTools::resourcesVariable names it): the real
// prober, the web files when asked, and an encoder script that may run the real one as "@real@".
inline bool makeToolFolder(const QString &folder, const QByteArray &encoderScript, bool webFiles = true)
{
    const std::optional<QString> prober = MediaTools::resourcePath(MediaTools::proberName);
    const std::optional<QString> encoder = MediaTools::resourcePath(MediaTools::encoderName);
    const QDir tools(folder);
    if (!prober || !encoder || !QFile::link(*prober, tools.filePath(MediaTools::proberName.toString())))
        return false;
    if (webFiles && !QFile::link(WebPlayer::sourceFolder(), tools.filePath(QStringLiteral("web"))))
        return false;
    return encoderScript.isEmpty()
        || writeScript(tools.filePath(MediaTools::encoderName.toString()),
                       "#!/bin/sh\n" + QByteArray(encoderScript).replace("@real@", QFile::encodeName(*encoder)));
}

// The real encoder with SVT-AV1 on one thread, whose sizes repeat from run to run. On moving
// noise the threaded encoder's sizes vary with the machine's load by more than the AV1
// version's margin, so whether its last run lands within the target would be chance.
inline constexpr char repeatableAv1Encoder[]
    = "previous=\n"
      "for argument; do\n"
      "    shift\n"
      "    [ \"$previous\" = -svtav1-params ] && argument=\"$argument:lp=1\"\n"
      "    set -- \"$@\" \"$argument\"\n"
      "    previous=$argument\n"
      "done\n"
      "exec @real@ \"$@\"\n";

// Runs a real tool to its end; its standard output, or its standard error when asked.
inline QByteArray runTool(QStringView tool, const QStringList &arguments, bool standardError = false)
{
    QProcess process;
    process.start(*MediaTools::resourcePath(tool), arguments);
    process.waitForFinished(60'000);
    return standardError ? process.readAllStandardError() : process.readAllStandardOutput();
}

// The prober's view of a video's first stream, or of the one given.
inline JSON probeStream(const QString &path, int stream = 0)
{
    const QStringList arguments = {QStringLiteral("-v"), QStringLiteral("quiet"), QStringLiteral("-print_format"),
                                   QStringLiteral("json"), QStringLiteral("-show_streams"), path};
    return JSON::fromBytes(runTool(MediaTools::proberName, arguments)).value_or(JSON())[u"streams"][stream];
}
