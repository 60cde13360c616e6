#pragma once

// Helpers shared by all the tests: the generated media, and whole files in and out.

#include <QDir>
#include <QFile>

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
