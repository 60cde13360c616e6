#include "probe/movieinfo.h"

#include "common/diagnostics.h"
#include "json/json.h"

#include <QCoreApplication>
#include <QDateTime>

#include <plist/plist.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct PlistFree
{
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistRoot = std::unique_ptr<std::remove_pointer_t<plist_t>, PlistFree>;

struct MallocFree
{
    void operator()(char *text) const { std::free(text); }
};
using MallocText = std::unique_ptr<char, MallocFree>;

// Deeper lists and dictionaries are not described: a crafted list could nest
// far enough to exhaust the stack.
constexpr int maximumDescriptionDepth = 8;

QString stringOf(plist_t node)
{
    // The length-aware reader: plist_get_string_val aborts on a string that holds a NUL.
    uint64_t length = 0;
    const char *value = plist_get_string_ptr(node, &length);
    return value ? QString::fromUtf8(value, qsizetype(length)) : QString();
}

// Calls visit(key, value) for each entry of a dictionary node.
template <typename Visit>
void forEachEntry(plist_t dictionary, Visit visit)
{
    plist_dict_iter iterator = nullptr;
    plist_dict_new_iter(dictionary, &iterator);
    if (!iterator)
        return;
    for (;;) {
        char *rawKey = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(dictionary, iterator, &rawKey, &value);
        const MallocText key(rawKey);
        if (!value)
            break;
        visit(QString::fromUtf8(key.get()), value);
    }
    std::free(iterator);
}

// The text of a value nested in a dictionary: strings as they are, integers
// (signed, as property lists store them) and reals in decimal, booleans as true
// or false, dates in ISO 8601; lists as their items joined by ", " and
// dictionaries as "key: value" pairs, so far down as depth allows. Nothing for
// raw data.
std::optional<QString> nestedValueText(plist_t node, int depth = 0)
{
    switch (plist_get_node_type(node)) {
    case PLIST_STRING:
        return stringOf(node);
    case PLIST_UINT: {
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        return QString::number(qint64(value));
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        return JSONNumber::decimal(value).text();
    }
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return value ? QStringLiteral("true") : QStringLiteral("false");
    }
    case PLIST_DATE: {
        int32_t seconds = 0;
        int32_t microseconds = 0;
        plist_get_date_val(node, &seconds, &microseconds);
        // Property-list dates count from 2001-01-01 UTC.
        const QDateTime epoch(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
        return epoch.addSecs(seconds).toString(Qt::ISODate);
    }
    case PLIST_ARRAY: {
        if (depth >= maximumDescriptionDepth)
            return std::nullopt;
        QStringList items;
        const uint32_t size = plist_array_get_size(node);
        for (uint32_t i = 0; i < size; ++i) {
            if (const std::optional<QString> item = nestedValueText(plist_array_get_item(node, i), depth + 1))
                items.append(*item);
        }
        return items.join(QStringLiteral(", "));
    }
    case PLIST_DICT: {
        if (depth >= maximumDescriptionDepth)
            return std::nullopt;
        QStringList pairs;
        forEachEntry(node, [&](const QString &key, plist_t value) {
            if (const std::optional<QString> text = nestedValueText(value, depth + 1))
                pairs.append(key + QStringLiteral(": ") + *text);
        });
        return pairs.join(QStringLiteral(", "));
    }
    default:
        return std::nullopt;
    }
}

bool isDictionaryOfStrings(plist_t node)
{
    if (plist_get_node_type(node) != PLIST_DICT)
        return false;
    bool allStrings = true;
    forEachEntry(node, [&](const QString &, plist_t value) {
        allStrings = allStrings && plist_get_node_type(value) == PLIST_STRING;
    });
    return allStrings;
}

// The "name" entries of a list of string dictionaries, joined by ", "; nothing
// when the list holds anything else. Elements without a name are skipped.
std::optional<QString> joinedNames(plist_t list)
{
    QStringList names;
    const uint32_t size = plist_array_get_size(list);
    for (uint32_t i = 0; i < size; ++i) {
        plist_t element = plist_array_get_item(list, i);
        if (!isDictionaryOfStrings(element))
            return std::nullopt;
        if (plist_t name = plist_dict_get_item(element, "name"))
            names.append(stringOf(name));
    }
    return names.join(QStringLiteral(", "));
}

// A binary list can hold keys with a NUL inside, on which libplist's key reader
// aborts. Written out as XML they show; such a list is refused (nothing returned),
// any other is read back from its XML form.
plist_t asCheckedXml(plist_t binaryList)
{
    const PlistRoot original(binaryList);
    char *xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(binaryList, &xml, &length);
    const MallocText text(xml);
    if (!xml || std::memchr(xml, 0, length) != nullptr)
        return nullptr;
    plist_t reread = nullptr;
    plist_from_xml(xml, length, &reread);
    return reread;
}

QString parseFailure(const QByteArray &bytes)
{
    if (plist_is_binary(bytes.constData(), uint32_t(bytes.size())))
        return QCoreApplication::translate("Probe", "Could not read the movie information: malformed binary property list");
    return QCoreApplication::translate("Probe", "Could not read the movie information: not a valid XML or binary property list");
}

} // namespace

void unpackMovieInformation(const QString &text, KeyValueMap &entries)
{
    // A binary list arrives one character per byte; XML is text, which never holds
    // a NUL (libplist would abort on one inside a key).
    const bool binary = text.startsWith(u"bplist");
    if (!binary && text.contains(QChar(u'\0'))) {
        writeDiagnosticLine(QCoreApplication::translate("Probe", "Could not read the movie information: a NUL character in XML"));
        return;
    }
    const QByteArray bytes = binary ? text.toLatin1() : text.toUtf8();
    plist_t parsed = nullptr;
    if (!bytes.isEmpty())
        plist_from_memory(bytes.constData(), uint32_t(bytes.size()), &parsed);
    if (parsed && binary)
        parsed = asCheckedXml(parsed);
    const PlistRoot root(parsed);
    if (!root) {
        writeDiagnosticLine(parseFailure(bytes));
        return;
    }
    // A top level other than a dictionary is not movie information: skip the tag.
    if (plist_get_node_type(root.get()) != PLIST_DICT)
        return;

    forEachEntry(root.get(), [&](const QString &field, plist_t value) {
        const QString tagName = field + QStringLiteral(".tags");
        switch (plist_get_node_type(value)) {
        case PLIST_STRING:
            entries.insert(tagName, stringOf(value));
            break;
        case PLIST_DICT:
            forEachEntry(value, [&](const QString &key, plist_t inner) {
                if (const std::optional<QString> innerText = nestedValueText(inner))
                    entries.insert(key + u'.' + tagName, *innerText);
            });
            break;
        case PLIST_ARRAY:
            if (const std::optional<QString> names = joinedNames(value))
                entries.insert(tagName, *names);
            break;
        default:
            break;
        }
    });
}
