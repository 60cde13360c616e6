#include "probe/keyvalues.h"

#include <algorithm>

namespace {

// UTF-16 code units sort surrogates (U+D800..U+DFFF) below U+E000..U+FFFF, though
// they encode code points above U+FFFF; this shift restores code point order.
char16_t codePointOrderKey(char16_t unit)
{
    if (unit >= 0xE000)
        return char16_t(unit - 0x800);
    if (unit >= 0xD800)
        return char16_t(unit + 0x2000);
    return unit;
}

bool codePointLessComposed(QStringView a, QStringView b)
{
    const auto [left, right] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (right == b.end())
        return false;
    if (left == a.end())
        return true;
    return codePointOrderKey(left->unicode()) < codePointOrderKey(right->unicode());
}

struct SortablePair
{
    QString name;
    QString text;
    QString composedName;
    QString composedText;
};

QList<SortablePair> sortablePairs(const KeyValueMap &entries)
{
    QList<SortablePair> pairs;
    pairs.reserve(entries.size());
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        pairs.append({it.key(), it.value(), it.key().normalized(QString::NormalizationForm_C),
                      it.value().normalized(QString::NormalizationForm_C)});
    }
    return pairs;
}

KeyValueList entryList(const QList<SortablePair> &pairs)
{
    KeyValueList list;
    list.reserve(pairs.size());
    for (const SortablePair &pair : pairs)
        list.append(keyValueEntry(pair.name, pair.text));
    return list;
}

} // namespace

QVariantMap keyValueEntry(const QString &key, const QString &value)
{
    return {{QStringLiteral("key"), key}, {QStringLiteral("value"), value}};
}

QVariantList toVariantList(const KeyValueList &list)
{
    QVariantList plain;
    plain.reserve(list.size());
    for (const QVariantMap &entry : list)
        plain.append(entry);
    return plain;
}

bool codePointLess(const QString &a, const QString &b)
{
    return codePointLessComposed(a.normalized(QString::NormalizationForm_C),
                                 b.normalized(QString::NormalizationForm_C));
}

KeyValueList sortedByKey(const KeyValueMap &entries)
{
    QList<SortablePair> pairs = sortablePairs(entries);
    std::sort(pairs.begin(), pairs.end(), [](const SortablePair &a, const SortablePair &b) {
        if (a.composedName != b.composedName)
            return codePointLessComposed(a.composedName, b.composedName);
        return codePointLessComposed(a.composedText, b.composedText);
    });
    return entryList(pairs);
}

KeyValueList sortedByValue(const KeyValueMap &entries)
{
    QList<SortablePair> pairs = sortablePairs(entries);
    std::stable_sort(pairs.begin(), pairs.end(), [](const SortablePair &a, const SortablePair &b) {
        return codePointLessComposed(a.composedText, b.composedText);
    });
    return entryList(pairs);
}

QString detailText(const JSON &value)
{
    return value.rawString().value_or(QStringLiteral("unknown"));
}
