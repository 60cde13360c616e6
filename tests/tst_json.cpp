#include "json/json.h"

#include <QDate>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

JSON parsed(const QByteArray &text)
{
    const std::optional<JSON> json = JSON::fromBytes(text);
    if (!json)
        qFatal("test document does not parse: %s", text.constData());
    return *json;
}

const QByteArray probeAnswer = R"({
    "streams": [
        {"index": 0, "codec_type": "video", "width": 1920, "duration": "12.345000", "disposition": {"default": 1}},
        {"index": 1, "codec_type": "audio", "bit_rate": "128000", "tags": {"language": "eng"}}
    ],
    "format": {"duration": "N/A", "size": 2.5e6, "encrypted": false, "ratio": 1.5, "nothing": null}
})";

} // namespace

class TestJSON : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookup()
    {
        using T = JSON::Type;
        using E = JSONError;
        const std::tuple<JSONPath, T, std::optional<E>, QString, double, qsizetype> rows[] = {
            {{}, T::dictionary, {}, {}, 0, 2},
            {{u"streams"}, T::array, {}, {}, 0, 2},
            {{u"streams", 0, u"width"}, T::number, {}, u"1920"_s, 1920, 0},
            {{u"format", u"nothing"}, T::null, {}, {}, 0, 0},
            {{u"streams", 0, u"duration"}, T::string, {}, u"12.345000"_s, 12.345, 0},
            {{u"format", u"duration"}, T::string, {}, u"N/A"_s, 0, 0},
            {{u"streams", 1, u"width"}, T::null, E::notExist, {}, 0, 0},
            {{u"chapters", u"duration", 3}, T::null, E::notExist, {}, 0, 0}, // the first error survives the path
            {{u"streams", u"codec_type"}, T::null, E::wrongType, {}, 0, 0},
            {{u"format", 0}, T::null, E::wrongType, {}, 0, 0},
            {{u"streams", 5}, T::null, E::indexOutOfBounds, {}, 0, 0},
            {{u"streams", -1}, T::null, E::indexOutOfBounds, {}, 0, 0},
        };
        const JSON document = parsed(probeAnswer);
        for (const auto &[path, type, error, string, number, count] : rows) {
            const JSON value = document.at(path);
            QCOMPARE(value.type(), type);
            QCOMPARE(value.error(), error);
            QCOMPARE(value.stringValue(), string);
            QCOMPARE(value.numberValue().toDouble(), number);
            QCOMPARE(value.count(), count);
        }
    }

    void numbers()
    {
        const JSON document = parsed(R"({"width": 1920, "fps": 1920.0, "big": 9007199254740993, "yes": true, "one": 1})");
        QVERIFY(document[u"width"].rawNumber().isInteger());
        QCOMPARE(document[u"fps"], document[u"width"]); // Qt's reader folds a whole decimal into an integer
        QVERIFY(!parsed("[1.5]")[0].rawNumber().isInteger());
        QCOMPARE(document[u"big"].numberValue().toInt64(), Q_INT64_C(9007199254740993));
        QCOMPARE(document[u"yes"].numberValue().toInt64(), 1);
        QVERIFY(document[u"yes"] != document[u"one"]);
        // A round trip through the writer keeps every kind.
        const JSON again = parsed(document.rawString().value().toUtf8());
        QVERIFY(again[u"width"].rawNumber().isInteger());
        QCOMPARE(again[u"yes"].type(), JSON::Type::boolean);
        QCOMPARE(again, document);

        // Strings read as numbers by their leading number; beyond range saturates.
        constexpr double inf = std::numeric_limits<double>::infinity();
        const std::tuple<QString, double, qint64> texts[] = {
            {u"-7.9"_s, -7.9, -7}, {u" -1.5e2x"_s, -150, -150}, {u".5"_s, 0.5, 0}, {u"30000/1001"_s, 30000, 30000},
            {u"N/A"_s, 0, 0}, {u"nan"_s, 0, 0}, {u"99999999999999999999"_s, 1e20, std::numeric_limits<qint64>::max()},
            {u"-1e999"_s, -inf, std::numeric_limits<qint64>::min()}, {u"1e-999"_s, 0, 0}};
        for (const auto &[text, asDouble, asInteger] : texts) {
            QCOMPARE(JSON(text).numberValue().toDouble(), asDouble);
            QCOMPARE(JSON(text).numberValue().toInt64(), asInteger);
        }
    }

    void construction()
    {
        // Strict from bytes; as a plain value the same bytes give their document, or null without an error.
        const std::pair<QByteArray, bool> documents[] = {{R"({"a": [1, 2]})", true}, {"[]", true}, {"", false},
            {"Input #0, mov,mp4", false}, {R"("text")", false}, {"42", false}, {"{\"a\": \"\xff\xfe\"}", false},
            {"{} {}", false}, {R"({"streams": [{"index": 0)", false}};
        for (const auto &[bytes, valid] : documents) {
            QString message;
            const std::optional<JSON> json = JSON::fromBytes(bytes, &message);
            QCOMPARE(json.has_value(), valid);
            QCOMPARE(message.isEmpty(), valid);
            const JSON fromPlain{QVariant(bytes)};
            QCOMPARE(fromPlain.error(), std::optional<JSONError>());
            QCOMPARE(fromPlain, valid ? *json : JSON());
        }

        // An empty optional is not null: it is unknown, and so is everything found in it.
        const JSON empty{QVariant()};
        QCOMPARE(empty.type(), JSON::Type::unknown);
        QCOMPARE(empty.error(), JSONError::unsupportedType);
        QCOMPARE(empty[u"format"][0].error(), JSONError::unsupportedType);
        QCOMPARE(empty.object(), QVariant::fromValue(nullptr));
        QCOMPARE(JSON(QVariant::fromValue(nullptr)).error(), std::optional<JSONError>());

        // Every integer width is an integer, every float a decimal; JSON values nested in a plain tree are unwrapped.
        QCOMPARE(JSON(QVariant(7u)).numberValue().toInt64(), 7);
        QVERIFY(JSON(QVariant(std::numeric_limits<quint64>::max())).numberValue().toDouble() > 1e19);
        QVERIFY(!JSON(QVariant(2.5f)).rawNumber().isInteger());
        QCOMPARE(JSON(QVariant(QStringList{u"a"_s, u"b"_s}))[1].stringValue(), u"b"_s);
        QCOMPARE(JSON(QVariant(QVariantHash{{u"k"_s, 1}}))[u"k"].numberValue().toInt64(), 1);
        const JSON record = parsed(R"({"trackCodec": "h264"})");
        const JSON wrapped{QVariant(QVariantMap{{u"first"_s, QVariant::fromValue(record)},
                                                {u"list"_s, QVariantList{QVariant::fromValue(JSON(QVariant(3)))}}})};
        QCOMPARE(wrapped[u"first"][u"trackCodec"].stringValue(), u"h264"_s);
        QCOMPARE(wrapped[u"list"][0].numberValue().toInt64(), 3);
        QCOMPARE(JSON(QVariant::fromValue(record)), record);
    }

    void equality()
    {
        const QVariant null = QVariant::fromValue(nullptr);
        const std::tuple<QVariant, QVariant, bool> pairs[] = {
            {null, null, true}, {null, u"null"_s, false}, {25, 25.0, true}, {25, u"25"_s, false},
            {u"video"_s, u"video"_s, true}, {u"video"_s, u"audio"_s, false}, {true, 1, false}, {false, false, true},
            {QVariantList{1, u"a"_s, null}, QVariantList{1.0, u"a"_s, null}, true},
            {QVariantList{1}, QVariantList{1, 2}, false},
            {QVariantMap{{u"a"_s, 1}, {u"b"_s, QVariantList{true}}}, QVariantMap{{u"a"_s, 1}, {u"b"_s, QVariantList{true}}}, true},
            {QVariantMap{{u"a"_s, 1}}, QVariantMap{{u"b"_s, 1}}, false},
            {QVariant(), QVariant(), false}, {QVariantList{}, QVariantMap{}, false}};
        for (const auto &[left, right, equal] : pairs) {
            QCOMPARE(JSON(left) == JSON(right), equal);
            QCOMPARE(JSON(right) == JSON(left), equal);
        }
    }

    void iterationAndRendering()
    {
        const JSON document = parsed(R"({"list": ["a", "b"], "map": {"x": 1, "y": 2}, "s": "abc"})");
        QStringList seen;
        for (const auto &[key, value] : document[u"list"])
            seen << key + u'=' + value.stringValue();
        for (const auto &[key, value] : document[u"map"])
            seen << key + u'=' + value.rawString().value();
        QCOMPARE(seen, (QStringList{u"0=a"_s, u"1=b"_s, u"x=1"_s, u"y=2"_s}));
        QCOMPARE(document[u"s"].begin(), document[u"s"].end());
        QCOMPARE(document[u"missing"].begin(), document[u"missing"].end());

        const JSON answer = parsed(probeAnswer);
        QCOMPARE(answer[u"format"][u"nothing"].rawString(), u"null"_s);
        QCOMPARE(answer[u"format"][u"ratio"].rawString(), u"1.5"_s);
        QCOMPARE(answer[u"format"][u"encrypted"].rawString(), u"false"_s);
        const JSON tags = answer[u"streams"][1][u"tags"];
        QCOMPARE(parsed(tags.rawString()->toUtf8()), tags);
        QVERIFY(tags.rawString()->contains(u'\n')); // pretty-printed
        QCOMPARE(tags.rawString(QJsonDocument::Compact), u"{\"language\":\"eng\"}"_s);

        // Unknown values and trees the writer cannot write render as nothing.
        QCOMPARE(JSON(QVariant()).rawString(), std::nullopt);
        QCOMPARE(JSON(QVariant()).description(), u"unknown"_s);
        const JSON notWritable{QVariant(QVariantList{std::nan("")})};
        QCOMPARE(notWritable.rawString(), std::nullopt);
        QCOMPARE(notWritable.description(), u"unknown"_s);
        QCOMPARE(JSON(QVariant(QVariantMap{{u"d"_s, QDate(2026, 1, 1)}})).rawString(), std::nullopt);
        QCOMPARE(answer[u"missing"].description(), u"null"_s);
    }

    void errors()
    {
        const std::pair<JSONError, int> codes[] = {{JSONError::unsupportedType, 999}, {JSONError::indexOutOfBounds, 900},
            {JSONError::elementTooDeep, 902}, {JSONError::wrongType, 901}, {JSONError::notExist, 500},
            {JSONError::invalidJSON, 490}};
        for (const auto &[error, code] : codes) {
            QCOMPARE(jsonErrorCode(error), code);
            QCOMPARE(jsonErrorFromCode(code), error);
            QVERIFY(!jsonErrorMessage(error).isEmpty());
        }
        QCOMPARE(jsonErrorFromCode(491), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestJSON)
#include "tst_json.moc"
