#include "json/json.h"

#include <QDate>
#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(JSON::Type)
Q_DECLARE_METATYPE(std::optional<JSONError>)
Q_DECLARE_METATYPE(JSONPath)

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
        {"index": 0, "codec_type": "video", "width": 1920, "avg_frame_rate": "30000/1001",
         "duration": "12.345000", "disposition": {"default": 1}},
        {"index": 1, "codec_type": "audio", "bit_rate": "128000", "tags": {"language": "eng"}}
    ],
    "format": {"duration": "N/A", "size": 2.5e6, "probe_score": 100, "encrypted": false,
               "ratio": 1.5, "nothing": null}
})";

} // namespace

class TestJSON : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lookup_data();
    void lookup();
    void numbersKeepTheirKind();
    void stringsReadAsNumbers_data();
    void stringsReadAsNumbers();
    void constructionFromBytes_data();
    void constructionFromBytes();
    void constructionFromPlainValues();
    void equality_data();
    void equality();
    void iteration();
    void rendering();
    void errors();
    void largeAndDeepDocuments();
};

void TestJSON::lookup_data()
{
    QTest::addColumn<JSONPath>("path");
    QTest::addColumn<JSON::Type>("type");
    QTest::addColumn<std::optional<JSONError>>("error");
    QTest::addColumn<QString>("string");
    QTest::addColumn<double>("number");
    QTest::addColumn<qsizetype>("count");

    using T = JSON::Type;
    const std::optional<JSONError> none;
    QTest::newRow("empty path") << JSONPath{} << T::dictionary << none << QString() << 0.0 << qsizetype(2);
    QTest::newRow("array") << JSONPath{u"streams"} << T::array << none << QString() << 0.0 << qsizetype(2);
    QTest::newRow("string") << JSONPath{u"streams", 0, u"codec_type"} << T::string << none
                            << u"video"_s << 0.0 << qsizetype(0);
    QTest::newRow("integer") << JSONPath{u"streams", 0, u"width"} << T::number << none << u"1920"_s
                             << 1920.0 << qsizetype(0);
    QTest::newRow("null member") << JSONPath{u"format", u"nothing"} << T::null << none << QString()
                                 << 0.0 << qsizetype(0);
    QTest::newRow("decimal string") << JSONPath{u"streams", 0, u"duration"} << T::string << none
                                    << u"12.345000"_s << 12.345 << qsizetype(0);
    QTest::newRow("N/A") << JSONPath{u"format", u"duration"} << T::string << none << u"N/A"_s << 0.0
                         << qsizetype(0);
    QTest::newRow("missing key") << JSONPath{u"streams", 1, u"width"} << T::null
                                 << std::optional(JSONError::notExist) << QString() << 0.0 << qsizetype(0);
    QTest::newRow("error survives the path")
        << JSONPath{u"chapters", u"duration", 3} << T::null << std::optional(JSONError::notExist)
        << QString() << 0.0 << qsizetype(0);
    QTest::newRow("key of an array") << JSONPath{u"streams", u"codec_type"} << T::null
                                     << std::optional(JSONError::wrongType) << QString() << 0.0
                                     << qsizetype(0);
    QTest::newRow("index of a dictionary") << JSONPath{u"format", 0} << T::null
                                           << std::optional(JSONError::wrongType) << QString()
                                           << 0.0 << qsizetype(0);
    QTest::newRow("index 5 of 2") << JSONPath{u"streams", 5} << T::null
                                  << std::optional(JSONError::indexOutOfBounds) << QString() << 0.0
                                  << qsizetype(0);
    QTest::newRow("index -1") << JSONPath{u"streams", -1} << T::null
                              << std::optional(JSONError::indexOutOfBounds) << QString() << 0.0
                              << qsizetype(0);
}

void TestJSON::lookup()
{
    QFETCH(JSONPath, path);
    QFETCH(JSON::Type, type);
    QFETCH(std::optional<JSONError>, error);
    QFETCH(QString, string);
    QFETCH(double, number);
    QFETCH(qsizetype, count);

    const JSON document = parsed(probeAnswer);
    const JSON value = document.at(path);
    QCOMPARE(value.type(), type);
    QCOMPARE(value.error(), error);
    QCOMPARE(value.stringValue(), string);
    QCOMPARE(value.numberValue().toDouble(), number);
    QCOMPARE(value.count(), count);
}

void TestJSON::numbersKeepTheirKind()
{
    const JSON document = parsed(R"({"width": 1920, "fps": 1920.0, "big": 9007199254740993,
                                     "yes": true, "no": false, "one": 1})");
    QVERIFY(document[u"width"].rawNumber().isInteger());
    // Qt's reader folds a whole decimal into an integer; its value is the same.
    QCOMPARE(document[u"fps"], document[u"width"]);
    QVERIFY(!parsed("[1.5]")[0].rawNumber().isInteger());
    QCOMPARE(document[u"big"].numberValue().toInt64(), Q_INT64_C(9007199254740993));

    QCOMPARE(document[u"yes"].type(), JSON::Type::boolean);
    QCOMPARE(document[u"yes"].numberValue().toInt64(), 1);
    QCOMPARE(document[u"no"].stringValue(), u"false"_s);
    QVERIFY(document[u"yes"] != document[u"one"]);

    // A round trip through the writer keeps every kind.
    const QString text = document.rawString().value();
    QVERIFY(text.contains(u"\"width\": 1920,"));
    QVERIFY(text.contains(u"\"yes\": true"));
    const JSON again = parsed(text.toUtf8());
    QVERIFY(again[u"width"].rawNumber().isInteger());
    QCOMPARE(again[u"yes"].type(), JSON::Type::boolean);
    QCOMPARE(again[u"big"].numberValue().toInt64(), Q_INT64_C(9007199254740993));
    QCOMPARE(again, document);
}

void TestJSON::stringsReadAsNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("asDouble");
    QTest::addColumn<qint64>("asInteger");

    QTest::newRow("decimal") << u"12.345000"_s << 12.345 << qint64(12);
    QTest::newRow("negative truncates to zero") << u"-7.9"_s << -7.9 << qint64(-7);
    QTest::newRow("integer") << u"25"_s << 25.0 << qint64(25);
    QTest::newRow("exponent, trailing text") << u" -1.5e2x"_s << -150.0 << qint64(-150);
    QTest::newRow("leading point") << u".5"_s << 0.5 << qint64(0);
    QTest::newRow("fraction") << u"30000/1001"_s << 30000.0 << qint64(30000);
    QTest::newRow("N/A") << u"N/A"_s << 0.0 << qint64(0);
    QTest::newRow("nan is not a number") << u"nan"_s << 0.0 << qint64(0);
    QTest::newRow("beyond qint64") << u"99999999999999999999"_s << 1e20
                                   << std::numeric_limits<qint64>::max();
    QTest::newRow("beyond double") << u"-1e999"_s << -std::numeric_limits<double>::infinity()
                                   << std::numeric_limits<qint64>::min();
    QTest::newRow("below double") << u"1e-999"_s << 0.0 << qint64(0);
}

void TestJSON::stringsReadAsNumbers()
{
    QFETCH(QString, text);
    QFETCH(double, asDouble);
    QFETCH(qint64, asInteger);
    const JSONNumber number = JSON(text).numberValue();
    QCOMPARE(number.toDouble(), asDouble);
    QCOMPARE(number.toInt64(), asInteger);
}

void TestJSON::constructionFromBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");

    QTest::newRow("object") << QByteArray(R"({"a": [1, 2]})") << true;
    QTest::newRow("array") << QByteArray("[]") << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("not JSON") << QByteArray("Input #0, mov,mp4") << false;
    QTest::newRow("top-level string") << QByteArray(R"("text")") << false;
    QTest::newRow("top-level number") << QByteArray("42") << false;
    QTest::newRow("top-level null") << QByteArray("null") << false;
    QTest::newRow("invalid UTF-8") << QByteArray("{\"a\": \"\xff\xfe\"}") << false;
    QTest::newRow("trailing garbage") << QByteArray("{} {}") << false;
    QTest::newRow("truncated") << QByteArray(R"({"streams": [{"index": 0)") << false;
}

void TestJSON::constructionFromBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);

    QString message;
    const std::optional<JSON> json = JSON::fromBytes(bytes, &message);
    QCOMPARE(json.has_value(), valid);
    QCOMPARE(message.isEmpty(), valid);

    // As a plain value the same bytes give their document, or null without an error.
    const JSON fromPlain{QVariant(bytes)};
    QCOMPARE(fromPlain.error(), std::optional<JSONError>());
    if (valid)
        QCOMPARE(fromPlain, *json);
    else
        QCOMPARE(fromPlain.type(), JSON::Type::null);
}

void TestJSON::constructionFromPlainValues()
{
    // An empty optional is not null: it is unknown, and so is everything found in it.
    const JSON empty{QVariant()};
    QCOMPARE(empty.type(), JSON::Type::unknown);
    QCOMPARE(empty.error(), JSONError::unsupportedType);
    const JSON below = empty[u"format"][0];
    QCOMPARE(below.type(), JSON::Type::null);
    QCOMPARE(below.error(), JSONError::unsupportedType);
    QCOMPARE(below.stringValue(), QString());
    QCOMPARE(below.numberValue().toDouble(), 0.0);
    QCOMPARE(empty.object(), QVariant::fromValue(nullptr));

    QCOMPARE(JSON(QVariant(QDate(2026, 12, 6))).type(), JSON::Type::unknown);
    QCOMPARE(JSON(QVariant::fromValue(nullptr)).type(), JSON::Type::null);
    QCOMPARE(JSON(QVariant::fromValue(nullptr)).error(), std::optional<JSONError>());
    QCOMPARE(JSON(QVariant(true)).type(), JSON::Type::boolean);

    // Every integer width is an integer, every float a decimal.
    QCOMPARE(JSON(QVariant(7u)).numberValue().toInt64(), 7);
    QVERIFY(JSON(QVariant(std::numeric_limits<quint64>::max())).numberValue().toDouble() > 1e19);
    QVERIFY(!JSON(QVariant(2.5f)).rawNumber().isInteger());
    QCOMPARE(JSON(QVariant(2.5f)).numberValue().toDouble(), 2.5);

    QCOMPARE(JSON(QVariant(QStringList{u"a"_s, u"b"_s}))[1].stringValue(), u"b"_s);
    QCOMPARE(JSON(QVariant(QVariantHash{{u"k"_s, 1}}))[u"k"].numberValue().toInt64(), 1);

    // JSON values nested in a plain tree are unwrapped into their payloads.
    const JSON record = parsed(R"({"trackCodec": "h264"})");
    const QVariantMap outer{{u"first"_s, QVariant::fromValue(record)},
                            {u"list"_s, QVariantList{QVariant::fromValue(JSON(QVariant(3)))}}};
    const JSON wrapped{QVariant(outer)};
    QCOMPARE(wrapped[u"first"][u"trackCodec"].stringValue(), u"h264"_s);
    QCOMPARE(wrapped[u"list"][0].numberValue().toInt64(), 3);
    QCOMPARE(JSON(QVariant::fromValue(record)), record);
    QVERIFY(wrapped.rawString().has_value());
}

void TestJSON::equality_data()
{
    QTest::addColumn<QVariant>("left");
    QTest::addColumn<QVariant>("right");
    QTest::addColumn<bool>("equal");

    const QVariant null = QVariant::fromValue(nullptr);
    QTest::newRow("null and null") << null << null << true;
    QTest::newRow("null and \"null\"") << null << QVariant(u"null"_s) << false;
    QTest::newRow("integer and whole decimal") << QVariant(25) << QVariant(25.0) << true;
    QTest::newRow("number and its text") << QVariant(25) << QVariant(u"25"_s) << false;
    QTest::newRow("strings") << QVariant(u"video"_s) << QVariant(u"video"_s) << true;
    QTest::newRow("strings differ") << QVariant(u"video"_s) << QVariant(u"audio"_s) << false;
    QTest::newRow("true and 1") << QVariant(true) << QVariant(1) << false;
    QTest::newRow("booleans") << QVariant(false) << QVariant(false) << true;
    QTest::newRow("arrays") << QVariant(QVariantList{1, u"a"_s, null})
                            << QVariant(QVariantList{1.0, u"a"_s, null}) << true;
    QTest::newRow("arrays differ in length") << QVariant(QVariantList{1}) << QVariant(QVariantList{1, 2})
                                             << false;
    QTest::newRow("dictionaries") << QVariant(QVariantMap{{u"a"_s, 1}, {u"b"_s, QVariantList{true}}})
                                  << QVariant(QVariantMap{{u"a"_s, 1}, {u"b"_s, QVariantList{true}}})
                                  << true;
    QTest::newRow("dictionaries differ in a key")
        << QVariant(QVariantMap{{u"a"_s, 1}}) << QVariant(QVariantMap{{u"b"_s, 1}}) << false;
    QTest::newRow("unknown values") << QVariant() << QVariant() << false;
    QTest::newRow("array and dictionary") << QVariant(QVariantList{}) << QVariant(QVariantMap{})
                                          << false;
}

void TestJSON::equality()
{
    QFETCH(QVariant, left);
    QFETCH(QVariant, right);
    QFETCH(bool, equal);
    QCOMPARE(JSON(left) == JSON(right), equal);
    QCOMPARE(JSON(right) == JSON(left), equal);
}

void TestJSON::iteration()
{
    const JSON document = parsed(R"({"list": ["a", "b", "c"], "map": {"x": 1, "y": 2}, "s": "abc"})");

    QStringList keys;
    QStringList values;
    for (const auto &[key, value] : document[u"list"]) {
        keys << key;
        values << value.stringValue();
    }
    QCOMPARE(keys, (QStringList{u"0"_s, u"1"_s, u"2"_s}));
    QCOMPARE(values, (QStringList{u"a"_s, u"b"_s, u"c"_s}));

    qint64 sum = 0;
    keys.clear();
    for (const auto &[key, value] : document[u"map"]) {
        keys << key;
        sum += value.numberValue().toInt64();
    }
    keys.sort();
    QCOMPARE(keys, (QStringList{u"x"_s, u"y"_s}));
    QCOMPARE(sum, 3);

    QCOMPARE(document[u"s"].begin(), document[u"s"].end());
    QCOMPARE(document[u"missing"].begin(), document[u"missing"].end());
}

void TestJSON::rendering()
{
    const JSON document = parsed(probeAnswer);
    QCOMPARE(document[u"streams"][0][u"codec_type"].rawString(), u"video"_s);
    QCOMPARE(document[u"format"][u"nothing"].rawString(), u"null"_s);
    QCOMPARE(document[u"format"][u"ratio"].rawString(), u"1.5"_s);
    QCOMPARE(document[u"format"][u"encrypted"].rawString(), u"false"_s);

    const std::optional<QString> tags = document[u"streams"][1][u"tags"].rawString();
    QVERIFY(tags.has_value());
    QCOMPARE(parsed(tags->toUtf8()), document[u"streams"][1][u"tags"]);
    QVERIFY(tags->contains(u'\n')); // pretty-printed
    QCOMPARE(document[u"streams"][1][u"tags"].rawString(QJsonDocument::Compact),
             u"{\"language\":\"eng\"}"_s);

    // Unknown values and trees the writer cannot write render as nothing.
    QCOMPARE(JSON(QVariant()).rawString(), std::nullopt);
    QCOMPARE(JSON(QVariant()).description(), u"unknown"_s);
    const JSON notWritable{QVariant(QVariantList{std::nan("")})};
    QCOMPARE(notWritable.rawString(), std::nullopt);
    QCOMPARE(notWritable.description(), u"unknown"_s);
    QCOMPARE(JSON(QVariant(QVariantMap{{u"d"_s, QDate(2026, 1, 1)}})).rawString(), std::nullopt);
    QCOMPARE(document[u"missing"].description(), u"null"_s);
}

void TestJSON::errors()
{
    const QList<std::pair<JSONError, int>> codes = {
        {JSONError::unsupportedType, 999}, {JSONError::indexOutOfBounds, 900},
        {JSONError::elementTooDeep, 902},  {JSONError::wrongType, 901},
        {JSONError::notExist, 500},        {JSONError::invalidJSON, 490},
    };
    for (const auto &[error, code] : codes) {
        QCOMPARE(jsonErrorCode(error), code);
        QCOMPARE(jsonErrorFromCode(code), error);
        QVERIFY(!jsonErrorMessage(error).isEmpty());
    }
    QCOMPARE(jsonErrorFromCode(0), std::nullopt);
    QCOMPARE(jsonErrorFromCode(491), std::nullopt);
    QCOMPARE(jsonErrorMessage(JSONError::notExist), u"Dictionary key does not exist."_s);
    QCOMPARE(jsonErrorMessage(JSONError::wrongType),
             u"Couldn't merge, because the JSONs differ in type on top level."_s);
}

void TestJSON::largeAndDeepDocuments()
{
    QByteArray array = "[";
    for (int i = 0; i < 10'000; ++i)
        array += QByteArray::number(i) + (i + 1 < 10'000 ? "," : "]");
    const JSON numbers = parsed(array);
    QCOMPARE(numbers.count(), 10'000);
    QCOMPARE(numbers[9'999].numberValue().toInt64(), 9'999);
    qint64 sum = 0;
    for (const auto &[key, value] : numbers)
        sum += value.numberValue().toInt64();
    QCOMPARE(sum, Q_INT64_C(49'995'000));

    const QByteArray deep = QByteArray(64, '[') + "\"bottom\"" + QByteArray(64, ']');
    JSON level = parsed(deep);
    for (int depth = 0; depth < 64; ++depth)
        level = level[0];
    QCOMPARE(level.stringValue(), u"bottom"_s);

    // An answer of over 20 MB, shaped like a prober's with many chapters.
    QByteArray big = R"({"chapters": [)";
    const QByteArray chapter =
        R"({"id": 1, "time_base": "1/1000", "start_time": "0.000000", "end_time": "1.000000", "tags": {"title": "Chapter with a long title to fill space"}})";
    const int chapters = 20'000'000 / int(chapter.size()) + 1;
    for (int i = 0; i < chapters; ++i)
        big += chapter + (i + 1 < chapters ? "," : "]}");
    QVERIFY(big.size() > 20'000'000);
    const JSON answer = parsed(big);
    QCOMPARE(answer[u"chapters"].count(), chapters);
    QCOMPARE(answer[u"chapters"][chapters - 1][u"tags"][u"title"].stringValue().size(), 39);
}

QTEST_GUILESS_MAIN(TestJSON)
#include "tst_json.moc"
