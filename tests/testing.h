#pragma once

// Helpers shared by all the tests: the generated media, and whole files in and out.

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
