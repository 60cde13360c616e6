#pragma once

#include "json/jsonerror.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariant>

#include <concepts>
#include <optional>
#include <utility>
#include <variant>

// One step of a path into a JSON value: an array index or a dictionary key.
class JSONKey
{
public:
    template <std::integral Index>
        requires(!std::same_as<Index, bool>)
    JSONKey(Index index) : m_step(static_cast<qint64>(index))
    {
    }
    JSONKey(const QString &key) : m_step(key) {}
    JSONKey(QLatin1StringView key) : m_step(QString(key)) {}
    JSONKey(const char16_t *key) : m_step(QString::fromUtf16(key)) {}

    [[nodiscard]] bool isIndex() const { return std::holds_alternative<qint64>(m_step); }
    [[nodiscard]] qint64 index() const { return std::get<qint64>(m_step); }
    [[nodiscard]] const QString &key() const { return std::get<QString>(m_step); }

private:
    std::variant<qint64, QString> m_step;
};

using JSONPath = QList<JSONKey>;

// A JSON number that remembers whether it was written as an integer.
class JSONNumber
{
public:
    constexpr JSONNumber() = default;
    static constexpr JSONNumber integer(qint64 value) { return JSONNumber(value, 0, true); }
    static constexpr JSONNumber decimal(double value) { return JSONNumber(0, value, false); }
    // The decimal number at the start of text, as a scanner reads it: optional
    // leading white space, sign, digits, fraction after ".", exponent.
    [[nodiscard]] static JSONNumber leadingIn(const QString &text);

    [[nodiscard]] constexpr bool isInteger() const { return m_isInteger; }
    [[nodiscard]] double toDouble() const;
    // Truncates a decimal toward zero; NaN gives 0 and out-of-range values saturate.
    [[nodiscard]] qint64 toInt64() const;
    // Integers without a fraction ("1920"); decimals in their shortest form ("29.97").
    [[nodiscard]] QString text() const;

    friend bool operator==(const JSONNumber &a, const JSONNumber &b);

private:
    constexpr JSONNumber(qint64 integer, double decimal, bool isInteger)
        : m_integer(integer), m_decimal(decimal), m_isInteger(isInteger)
    {
    }

    qint64 m_integer = 0;
    double m_decimal = 0;
    bool m_isInteger = false;
};

// A total, never-failing view of a tree of plain values (QVariantList, QVariantMap,
// QString, qint64 or double, bool, nullptr). A lookup that cannot be satisfied
// yields a null value carrying the first error met along the path.
// Copies are cheap: the tree is implicitly shared.
class JSON
{
public:
    enum class Type {
        number,
        string,
        boolean,
        array,
        dictionary,
        null,
        unknown,
    };

    class const_iterator;

    JSON() = default;
    // From any plain value. A QByteArray is parsed as JSON text, giving null
    // without an error when it is not JSON.
    explicit JSON(const QVariant &object);

    // Strict parse: the top level must be an object or an array. On failure,
    // gives nothing and describes the parser's complaint in errorMessage.
    [[nodiscard]] static std::optional<JSON> fromBytes(const QByteArray &bytes,
                                                       QString *errorMessage = nullptr);

    [[nodiscard]] Type type() const { return m_type; }
    [[nodiscard]] std::optional<JSONError> error() const { return m_error; }
    // The live payload; null and unknown give the null marker.
    [[nodiscard]] QVariant object() const;

    [[nodiscard]] QVariantList rawArray() const;
    [[nodiscard]] QVariantMap rawDictionary() const;
    [[nodiscard]] JSONNumber rawNumber() const;
    [[nodiscard]] bool rawBool() const;

    [[nodiscard]] JSON operator[](const JSONKey &step) const;
    [[nodiscard]] JSON at(const JSONPath &path) const;

    [[nodiscard]] QString stringValue() const;
    [[nodiscard]] JSONNumber numberValue() const;
    [[nodiscard]] qsizetype count() const;

    // Strings as themselves, scalars as their text, arrays and dictionaries as JSON
    // text; nothing for unknown values and for trees the JSON writer cannot write.
    [[nodiscard]] std::optional<QString>
    rawString(QJsonDocument::JsonFormat format = QJsonDocument::Indented) const;
    [[nodiscard]] QString description() const;

    // Arrays yield (index as text, element) in order, dictionaries (key, element).
    [[nodiscard]] const_iterator begin() const;
    [[nodiscard]] const_iterator end() const;

    friend bool operator==(const JSON &a, const JSON &b);

private:
    static JSON fromPlainValue(const QVariant &value);
    static JSON failure(JSONError error);
    JSON failedStep() const;

    const QVariantList &list() const;
    const QVariantMap &map() const;

    Type m_type = Type::null;
    QVariant m_object;
    std::optional<JSONError> m_error;
};

class JSON::const_iterator
{
public:
    using value_type = std::pair<QString, JSON>;
    using difference_type = qsizetype;

    const_iterator() = default;

    [[nodiscard]] value_type operator*() const;
    const_iterator &operator++();
    const_iterator operator++(int);
    friend bool operator==(const const_iterator &a, const const_iterator &b)
    {
        return a.m_index == b.m_index && a.m_entry == b.m_entry;
    }

private:
    friend class JSON;
    const_iterator(const JSON *owner, qsizetype index, QVariantMap::const_iterator entry)
        : m_owner(owner), m_index(index), m_entry(entry)
    {
    }

    const JSON *m_owner = nullptr;
    qsizetype m_index = 0;
    QVariantMap::const_iterator m_entry;
};

Q_DECLARE_METATYPE(JSON)
