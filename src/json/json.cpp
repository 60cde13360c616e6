#include "json/json.h"

#include "common/numbertext.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonParseError>

#include <charconv>
#include <cmath>

namespace {

const QVariant &nullMarker()
{
    static const QVariant marker = QVariant::fromValue(nullptr);
    return marker;
}

bool isIntegerType(int typeId)
{
    switch (typeId) {
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

bool isUnsignedType(int typeId)
{
    return typeId == QMetaType::UChar || typeId == QMetaType::UShort || typeId == QMetaType::UInt
        || typeId == QMetaType::ULong || typeId == QMetaType::ULongLong;
}

// Integers are kept as qint64 and decimals as double, whatever width they came in.
QVariant normalizedNumber(const QVariant &value)
{
    const int typeId = value.metaType().id();
    if (typeId == QMetaType::Double)
        return value;
    if (typeId == QMetaType::Float)
        return QVariant(double(value.toFloat()));
    if (isUnsignedType(typeId)) {
        const qulonglong unsignedValue = value.toULongLong();
        if (unsignedValue > qulonglong(std::numeric_limits<qint64>::max()))
            return QVariant(double(unsignedValue));
        return QVariant(qint64(unsignedValue));
    }
    return QVariant(value.toLongLong());
}

bool holdsJSON(const QVariant &value)
{
    return value.metaType() == QMetaType::fromType<JSON>();
}

// Replaces JSON values nested anywhere in the tree by their payloads; leaves
// (and shares) the tree untouched when it holds none.
std::optional<QVariant> unwrappedJSON(const QVariant &value)
{
    if (holdsJSON(value)) {
        const QVariant payload = value.value<JSON>().object();
        return unwrappedJSON(payload).value_or(payload);
    }
    const int typeId = value.metaType().id();
    if (typeId == QMetaType::QVariantList) {
        QVariantList list = value.toList();
        bool changed = false;
        for (qsizetype i = 0; i < list.size(); ++i) {
            if (auto element = unwrappedJSON(list.at(i))) {
                list[i] = *element;
                changed = true;
            }
        }
        return changed ? std::optional<QVariant>(list) : std::nullopt;
    }
    if (typeId == QMetaType::QVariantMap) {
        QVariantMap map = value.toMap();
        bool changed = false;
        for (auto it = map.begin(); it != map.end(); ++it) {
            if (auto element = unwrappedJSON(it.value())) {
                it.value() = *element;
                changed = true;
            }
        }
        return changed ? std::optional<QVariant>(map) : std::nullopt;
    }
    return std::nullopt;
}

// Whether the JSON writer can write the tree, as its validity check would judge it.
bool isWritableAsJSON(const QVariant &value)
{
    const int typeId = value.metaType().id();
    if (typeId == QMetaType::Nullptr || typeId == QMetaType::Bool || typeId == QMetaType::QString
        || isIntegerType(typeId)) {
        return true;
    }
    if (typeId == QMetaType::Double || typeId == QMetaType::Float)
        return std::isfinite(value.toDouble());
    if (typeId == QMetaType::QStringList)
        return true;
    if (typeId == QMetaType::QVariantList) {
        const QVariantList list = value.toList();
        return std::all_of(list.cbegin(), list.cend(), isWritableAsJSON);
    }
    if (typeId == QMetaType::QVariantMap || typeId == QMetaType::QVariantHash) {
        const QVariantMap map = value.toMap();
        return std::all_of(map.cbegin(), map.cend(), isWritableAsJSON);
    }
    return false;
}

} // namespace

JSON::JSON(const QVariant &object)
    : JSON(fromPlainValue(unwrappedJSON(object).value_or(object)))
{
}

std::optional<JSON> JSON::fromBytes(const QByteArray &bytes, QString *errorMessage)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || document.isNull()) {
        if (errorMessage) {
            *errorMessage = QStringLiteral("%1 at offset %2")
                                .arg(parseError.errorString())
                                .arg(parseError.offset);
        }
        return std::nullopt;
    }
    return fromPlainValue(document.toVariant());
}

JSON JSON::fromPlainValue(const QVariant &value)
{
    JSON json;
    const int typeId = value.metaType().id();
    if (typeId == QMetaType::QByteArray) {
        // Text that is not JSON gives a plain null.
        return fromBytes(value.toByteArray()).value_or(JSON());
    }
    if (typeId == QMetaType::Bool) {
        json.m_type = Type::boolean;
        json.m_object = value;
    } else if (isIntegerType(typeId) || typeId == QMetaType::Double || typeId == QMetaType::Float) {
        json.m_type = Type::number;
        json.m_object = normalizedNumber(value);
    } else if (typeId == QMetaType::QString) {
        json.m_type = Type::string;
        json.m_object = value;
    } else if (typeId == QMetaType::Nullptr) {
        json.m_type = Type::null;
    } else if (typeId == QMetaType::QVariantList) {
        json.m_type = Type::array;
        json.m_object = value;
    } else if (typeId == QMetaType::QStringList) {
        json.m_type = Type::array;
        json.m_object = QVariant(value.toList());
    } else if (typeId == QMetaType::QVariantMap) {
        json.m_type = Type::dictionary;
        json.m_object = value;
    } else if (typeId == QMetaType::QVariantHash) {
        json.m_type = Type::dictionary;
        json.m_object = QVariant(value.toMap());
    } else {
        // Includes the invalid QVariant, which stands for an empty optional, not for null.
        json.m_type = Type::unknown;
        json.m_object = value;
        json.m_error = JSONError::unsupportedType;
    }
    return json;
}

JSON JSON::failure(JSONError error)
{
    JSON json;
    json.m_error = error;
    return json;
}

JSON JSON::failedStep() const
{
    return failure(m_error.value_or(JSONError::wrongType));
}

const QVariantList &JSON::list() const
{
    Q_ASSERT(m_type == Type::array);
    return *static_cast<const QVariantList *>(m_object.constData());
}

const QVariantMap &JSON::map() const
{
    Q_ASSERT(m_type == Type::dictionary);
    return *static_cast<const QVariantMap *>(m_object.constData());
}

QVariant JSON::object() const
{
    if (m_type == Type::null || m_type == Type::unknown)
        return nullMarker();
    return m_object;
}

QVariantList JSON::rawArray() const
{
    return m_type == Type::array ? list() : QVariantList();
}

QVariantMap JSON::rawDictionary() const
{
    return m_type == Type::dictionary ? map() : QVariantMap();
}

JSONNumber JSON::rawNumber() const
{
    if (m_type != Type::number)
        return {};
    if (m_object.metaType().id() == QMetaType::Double)
        return JSONNumber::decimal(m_object.toDouble());
    return JSONNumber::integer(m_object.toLongLong());
}

bool JSON::rawBool() const
{
    return m_type == Type::boolean && m_object.toBool();
}

JSON JSON::operator[](const JSONKey &step) const
{
    if (step.isIndex()) {
        if (m_type != Type::array)
            return failedStep();
        const qint64 index = step.index();
        if (index < 0 || index >= list().size())
            return failure(JSONError::indexOutOfBounds);
        return fromPlainValue(list().at(index));
    }
    if (m_type != Type::dictionary)
        return failedStep();
    const auto entry = map().constFind(step.key());
    if (entry == map().cend())
        return failure(JSONError::notExist);
    return fromPlainValue(entry.value());
}

JSON JSON::at(const JSONPath &path) const
{
    JSON result = *this;
    for (const JSONKey &step : path)
        result = result[step];
    return result;
}

QString JSON::stringValue() const
{
    switch (m_type) {
    case Type::string:
        return m_object.toString();
    case Type::number:
        return rawNumber().text();
    case Type::boolean:
        return rawBool() ? QStringLiteral("true") : QStringLiteral("false");
    default:
        return {};
    }
}

JSONNumber JSON::numberValue() const
{
    switch (m_type) {
    case Type::number:
        return rawNumber();
    case Type::boolean:
        return JSONNumber::integer(rawBool() ? 1 : 0);
    case Type::string:
        return JSONNumber::leadingIn(m_object.toString());
    default:
        return JSONNumber::decimal(0.0);
    }
}

qsizetype JSON::count() const
{
    if (m_type == Type::array)
        return list().size();
    if (m_type == Type::dictionary)
        return map().size();
    return 0;
}

std::optional<QString> JSON::rawString(QJsonDocument::JsonFormat format) const
{
    switch (m_type) {
    case Type::string:
        return m_object.toString();
    case Type::number:
    case Type::boolean:
        return stringValue();
    case Type::null:
        return QStringLiteral("null");
    case Type::unknown:
        return std::nullopt;
    case Type::array:
    case Type::dictionary:
        break;
    }
    if (!isWritableAsJSON(m_object))
        return std::nullopt;
    const QJsonDocument document = m_type == Type::array
        ? QJsonDocument(QJsonArray::fromVariantList(list()))
        : QJsonDocument(QJsonObject::fromVariantMap(map()));
    return QString::fromUtf8(document.toJson(format));
}

QString JSON::description() const
{
    return rawString().value_or(QStringLiteral("unknown"));
}

JSON::const_iterator JSON::begin() const
{
    if (m_type == Type::dictionary)
        return const_iterator(this, 0, map().cbegin());
    return const_iterator(this, 0, {});
}

JSON::const_iterator JSON::end() const
{
    if (m_type == Type::dictionary)
        return const_iterator(this, map().size(), map().cend());
    return const_iterator(this, count(), {});
}

JSON::const_iterator::value_type JSON::const_iterator::operator*() const
{
    if (m_owner->m_type == Type::dictionary)
        return {m_entry.key(), fromPlainValue(m_entry.value())};
    return {QString::number(m_index), fromPlainValue(m_owner->list().at(m_index))};
}

JSON::const_iterator &JSON::const_iterator::operator++()
{
    ++m_index;
    if (m_owner->m_type == Type::dictionary)
        ++m_entry;
    return *this;
}

JSON::const_iterator JSON::const_iterator::operator++(int)
{
    const_iterator before = *this;
    ++*this;
    return before;
}

namespace {

// Element equality inside arrays and dictionaries: by JSON value, and by plain
// value for elements of no JSON kind.
bool plainValuesEqual(const QVariant &a, const QVariant &b)
{
    const JSON left(a);
    const JSON right(b);
    if (left.type() == JSON::Type::unknown && right.type() == JSON::Type::unknown)
        return a == b;
    return left == right;
}

} // namespace

bool operator==(const JSON &a, const JSON &b)
{
    if (a.m_type != b.m_type)
        return false;
    switch (a.m_type) {
    case JSON::Type::null:
        return true;
    case JSON::Type::unknown:
        return false;
    case JSON::Type::number:
        return a.rawNumber() == b.rawNumber();
    case JSON::Type::string:
        return a.m_object.toString() == b.m_object.toString();
    case JSON::Type::boolean:
        return a.rawBool() == b.rawBool();
    case JSON::Type::array:
        return std::equal(a.list().cbegin(), a.list().cend(), b.list().cbegin(), b.list().cend(),
                          plainValuesEqual);
    case JSON::Type::dictionary: {
        const QVariantMap &left = a.map();
        const QVariantMap &right = b.map();
        if (left.size() != right.size())
            return false;
        for (auto it = left.cbegin(), other = right.cbegin(); it != left.cend(); ++it, ++other) {
            if (it.key() != other.key() || !plainValuesEqual(it.value(), other.value()))
                return false;
        }
        return true;
    }
    }
    return false;
}
