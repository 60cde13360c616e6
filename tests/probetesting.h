#pragma once

// Helpers shared by the probe tests.

#include "common/diagnostics.h"
#include "probe/keyvalues.h"

#include <QStringList>
#include <QVariantMap>

// The text of the entry with that key in a key/value list, or "<none>".
inline QString detail(const KeyValueList &list, const QString &key)
{
    for (const QVariantMap &entry : list) {
        if (entry.value(QStringLiteral("key")) == key)
            return entry.value(QStringLiteral("value")).toString();
    }
    return QStringLiteral("<none>");
}

// A track record's detail list.
inline KeyValueList detailsOf(const QVariantMap &track)
{
    KeyValueList list;
    for (const QVariant &entry : track.value(QStringLiteral("trackKeyValue")).toList())
        list.append(entry.toMap());
    return list;
}

inline QStringList keysOf(const KeyValueList &list)
{
    QStringList keys;
    for (const QVariantMap &entry : list)
        keys << entry.value(QStringLiteral("key")).toString();
    return keys;
}

// Collects diagnostic lines for the life of the object.
struct DiagnosticLines
{
    QStringList lines;
    DiagnosticLines()
    {
        setDiagnosticSink([this](const QString &line) { lines << line; });
    }
    ~DiagnosticLines() { setDiagnosticSink({}); }
};
