#pragma once

#include "json/json.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariantMap>

// An ordered list of entries, each a map with exactly the texts "key" and "value":
// the shape of stream details, chapters and container metadata.
using KeyValueList = QList<QVariantMap>;

[[nodiscard]] QVariantMap keyValueEntry(const QString &key, const QString &value);
// The list as a plain value, for records that JSON values read.
[[nodiscard]] QVariantList toVariantList(const KeyValueList &list);

// Names to texts while a list is being built; a later write replaces an earlier one.
using KeyValueMap = QHash<QString, QString>;

// Orders texts by Unicode code point after canonical composition (NFC).
[[nodiscard]] bool codePointLess(const QString &a, const QString &b);

// The entries ascending by name, and by text for equal names.
[[nodiscard]] KeyValueList sortedByKey(const KeyValueMap &entries);
// The entries ascending by text alone.
[[nodiscard]] KeyValueList sortedByValue(const KeyValueMap &entries);

// The text of a JSON value in a detail list: its pretty-printed rendering, or
// "unknown" when it has none.
[[nodiscard]] QString detailText(const JSON &value);
