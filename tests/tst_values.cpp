// Values and their texts: the JSON value; numbers, durations, byte counts, frame
// rates and language names as the window shows them; the order of key/value lists.
#include "common/displaytext.h"
#include "common/numbertext.h"
#include "common/translations.h"
#include "json/json.h"
#include "probe/framerate.h"
#include "probe/keyvalues.h"
#include "probe/languages.h"

#include <QDate>
#include <QSet>
#include <QTest>

#include <clocale>
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

Q_DECLARE_METATYPE(JSONPath)

class TestValues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { installTranslations(); } // English plural forms
    void lookup_data()
    {
        QTest::addColumn<JSONPath>("path");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("error"); // -1: none
        QTest::addColumn<QString>("string");
        QTest::addColumn<double>("number");
        QTest::addColumn<qsizetype>("count");
        using T = JSON::Type;
        using E = JSONError;
        QTest::newRow("the document") << JSONPath{} << int(T::dictionary) << -1 << QString() << 0.0 << qsizetype(2);
        QTest::newRow("an array") << JSONPath{u"streams"} << int(T::array) << -1 << QString() << 0.0 << qsizetype(2);
        QTest::newRow("a number") << JSONPath{u"streams", 0, u"width"} << int(T::number) << -1 << u"1920"_s << 1920.0 << qsizetype(0);
        QTest::newRow("a null") << JSONPath{u"format", u"nothing"} << int(T::null) << -1 << QString() << 0.0 << qsizetype(0);
        QTest::newRow("a number as text") << JSONPath{u"streams", 0, u"duration"} << int(T::string) << -1 << u"12.345000"_s << 12.345
                                          << qsizetype(0);
        QTest::newRow("N/A") << JSONPath{u"format", u"duration"} << int(T::string) << -1 << u"N/A"_s << 0.0 << qsizetype(0);
        QTest::newRow("a missing member") << JSONPath{u"streams", 1, u"width"} << int(T::null) << int(E::notExist) << QString() << 0.0
                                          << qsizetype(0);
        QTest::newRow("the first error survives the path") << JSONPath{u"chapters", u"duration", 3} << int(T::null) << int(E::notExist)
                                                           << QString() << 0.0 << qsizetype(0);
        QTest::newRow("a key into an array") << JSONPath{u"streams", u"codec_type"} << int(T::null) << int(E::wrongType) << QString()
                                             << 0.0 << qsizetype(0);
        QTest::newRow("an index into a map") << JSONPath{u"format", 0} << int(T::null) << int(E::wrongType) << QString() << 0.0
                                             << qsizetype(0);
        QTest::newRow("past the end") << JSONPath{u"streams", 5} << int(T::null) << int(E::indexOutOfBounds) << QString() << 0.0
                                      << qsizetype(0);
        QTest::newRow("a negative index") << JSONPath{u"streams", -1} << int(T::null) << int(E::indexOutOfBounds) << QString() << 0.0
                                          << qsizetype(0);
    }

    void lookup()
    {
        QFETCH(JSONPath, path);
        QFETCH(int, type);
        QFETCH(int, error);
        QFETCH(QString, string);
        QFETCH(double, number);
        QFETCH(qsizetype, count);
        const JSON value = parsed(probeAnswer).at(path);
        QCOMPARE(int(value.type()), type);
        QCOMPARE(value.error() ? int(*value.error()) : -1, error);
        QCOMPARE(value.stringValue(), string);
        QCOMPARE(value.numberValue().toDouble(), number);
        QCOMPARE(value.count(), count);
    }

    void jsonNumbers()
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
        for (const auto &[text, asDouble, asInteger] : texts)
            QCOMPARE(std::pair(JSON(text).numberValue().toDouble(), JSON(text).numberValue().toInt64()), std::pair(asDouble, asInteger));
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
            QVERIFY2(json.has_value() == valid && message.isEmpty() == valid, bytes.constData());
            const JSON fromPlain{QVariant(bytes)};
            QVERIFY(!fromPlain.error() && fromPlain == (valid ? *json : JSON()));
        }

        // An empty optional is not null: it is unknown, and so is everything found in it.
        const JSON empty{QVariant()};
        QVERIFY(empty.type() == JSON::Type::unknown && empty.object() == QVariant::fromValue(nullptr));
        QVERIFY(empty.error() == JSONError::unsupportedType && empty[u"format"][0].error() == JSONError::unsupportedType);
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
        QCOMPARE(wrapped[u"first"][u"trackCodec"].stringValue() + wrapped[u"list"][0].stringValue(), u"h2643"_s);
        QCOMPARE(JSON(QVariant::fromValue(record)), record);
    }

    void equality_data()
    {
        QTest::addColumn<QVariant>("left");
        QTest::addColumn<QVariant>("right");
        QTest::addColumn<bool>("equal");
        const QVariant null = QVariant::fromValue(nullptr);
        QTest::newRow("null and null") << null << null << true;
        QTest::newRow("null and the text null") << null << QVariant(u"null"_s) << false;
        QTest::newRow("an integer and the same decimal") << QVariant(25) << QVariant(25.0) << true;
        QTest::newRow("a number and its text") << QVariant(25) << QVariant(u"25"_s) << false;
        QTest::newRow("the same text") << QVariant(u"video"_s) << QVariant(u"video"_s) << true;
        QTest::newRow("other texts") << QVariant(u"video"_s) << QVariant(u"audio"_s) << false;
        QTest::newRow("true and one") << QVariant(true) << QVariant(1) << false;
        QTest::newRow("false and false") << QVariant(false) << QVariant(false) << true;
        QTest::newRow("lists alike") << QVariant(QVariantList{1, u"a"_s, null}) << QVariant(QVariantList{1.0, u"a"_s, null}) << true;
        QTest::newRow("a shorter list") << QVariant(QVariantList{1}) << QVariant(QVariantList{1, 2}) << false;
        QTest::newRow("maps alike") << QVariant(QVariantMap{{u"a"_s, 1}, {u"b"_s, QVariantList{true}}})
                                    << QVariant(QVariantMap{{u"a"_s, 1}, {u"b"_s, QVariantList{true}}}) << true;
        QTest::newRow("maps with other keys") << QVariant(QVariantMap{{u"a"_s, 1}}) << QVariant(QVariantMap{{u"b"_s, 1}}) << false;
        QTest::newRow("two unknowns") << QVariant() << QVariant() << false;
        QTest::newRow("an empty list and an empty map") << QVariant(QVariantList{}) << QVariant(QVariantMap{}) << false;
    }

    void equality()
    {
        QFETCH(QVariant, left);
        QFETCH(QVariant, right);
        QFETCH(bool, equal);
        QCOMPARE(JSON(left) == JSON(right), equal);
        QCOMPARE(JSON(right) == JSON(left), equal);
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
        QVERIFY(document[u"s"].begin() == document[u"s"].end() && document[u"missing"].begin() == document[u"missing"].end());

        const JSON answer = parsed(probeAnswer);
        const JSON format = answer[u"format"];
        QCOMPARE(*format[u"nothing"].rawString() + u' ' + *format[u"ratio"].rawString() + u' ' + *format[u"encrypted"].rawString(),
                 u"null 1.5 false"_s);
        const JSON tags = answer[u"streams"][1][u"tags"];
        QCOMPARE(parsed(tags.rawString()->toUtf8()), tags);
        QVERIFY(tags.rawString()->contains(u'\n')); // pretty-printed
        QCOMPARE(tags.rawString(QJsonDocument::Compact), u"{\"language\":\"eng\"}"_s);

        // Unknown values and trees the writer cannot write render as nothing.
        for (const JSON &nothing : {JSON(QVariant()), JSON(QVariant(QVariantList{std::nan("")}))})
            QVERIFY(!nothing.rawString() && nothing.description() == u"unknown");
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

    void numberTexts()
    {
        constexpr double inf = std::numeric_limits<double>::infinity();
        constexpr qint64 max = std::numeric_limits<qint64>::max();
        // Rates are written in plain fixed notation, shortest first, with ".0" on whole numbers.
        const std::pair<double, QString> texts[] = {
            {1411.2, u"1411.2"_s}, {128.0, u"128.0"_s}, {131 * 0.6666666666666666 * 0.96, u"83.83999999999999"_s},
            {-9.9, u"-9.9"_s}, {0.0002, u"0.0002"_s}, {1e21, u"1000000000000000000000.0"_s},
            {std::nan(""), u"nan"_s}, {inf, u"inf"_s}, {-inf, u"-inf"_s}};
        for (const auto &[value, text] : texts)
            QCOMPARE(shortestDoubleText(value), text);
        // A German C locale writes "209,92" with printf; the text must not follow it.
        const QByteArray previous = std::setlocale(LC_ALL, nullptr);
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        const QString german = shortestDoubleText(209.92);
        std::setlocale(LC_ALL, previous.constData());
        QCOMPARE(german, u"209.92"_s);

        const std::pair<double, qint64> integers[] = {{-2.9, -2}, {std::nan(""), 0}, {inf, max}, {-inf, -max - 1},
            {9223372036854775808.0, max}, {9223372036854774784.0, 9223372036854774784}};
        for (const auto &[value, integer] : integers)
            QCOMPARE(saturatingInt64(value), integer);

        const std::pair<QString, std::optional<double>> parsed[] = {{u"+3"_s, 3.0}, {u"-0.5"_s, -0.5}, {u".25"_s, 0.25},
            {u"1e3"_s, 1000.0}, {u"N/A"_s, {}}, {u"29,97"_s, {}}, {u"12 s"_s, {}}, {u"nan"_s, {}}, {u"+-1"_s, {}},
            {u"-"_s, {}}, {QString(), {}}};
        for (const auto &[text, value] : parsed)
            QCOMPARE(parseDouble(text), value);
    }

    void durationsAndByteCounts()
    {
        QCOMPARE(formatDuration(3725.5), u"01:02:05.500"_s);
        QCOMPARE(formatDuration(59.9999), u"00:00:59.999"_s); // truncated, never 00:01:00.000
        QCOMPARE(formatDuration(360000), u"100:00:00.000"_s);
        QCOMPARE(formatDuration(std::nan("")), u"00:00:00.000"_s);

        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        // Rounded before the unit is chosen; one byte is singular.
        const std::pair<quint64, QString> counts[] = {{12'345'678, u"12.3 MB"_s}, {999, u"999 bytes"_s},
            {999'950, u"1.0 MB"_s}, {999'949, u"999.9 kB"_s}, {999'950'000, u"1.0 GB"_s}, {1, u"1 byte"_s},
            {std::numeric_limits<quint64>::max(), u"18.4 EB"_s}};
        for (const auto &[bytes, text] : counts)
            QCOMPARE(byteCountText(bytes), text);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(byteCountText(12'345'678), u"12,3 MB"_s);
        QLocale::setDefault(QLocale::system());
        QCOMPARE(bitrateText(1'411'200), u"1411.2kbps"_s);
    }

    void frameRates()
    {
        qputenv("LC_ALL", "en_US.UTF-8");
        // Three decimals at most, halves to even.
        const std::pair<QString, QString> rates[] = {{u"30000/1001"_s, u"29.97"_s}, {u"24000/1001"_s, u"23.976"_s},
            {u"25/1"_s, u"25"_s}, {u"1/8"_s, u"0.125"_s}, {u"1/16"_s, u"0.062"_s}, {u"2.5/0.5"_s, u"5"_s},
            {u"25"_s, QString()}, {u"a/b"_s, QString()}, {u"1/2/3"_s, QString()}};
        for (const auto &[fraction, text] : rates) {
            const std::optional<double> rate = rateOfFraction(fraction);
            QCOMPARE(rate ? *localizedDecimalText(*rate) : QString(), text);
        }
        QVERIFY(std::isnan(*rateOfFraction(u"0/0")));

        // The numeric locale as the C library would pick it.
        qputenv("LC_ALL", "de_DE@euro");
        QCOMPARE(localizedDecimalText(30000.0 / 1001), u"29,97"_s);
        qunsetenv("LC_ALL");
        qputenv("LC_NUMERIC", "fr_FR.UTF-8");
        QCOMPARE(localizedDecimalText(24000.0 / 1001), u"23,976"_s);
        qunsetenv("LC_NUMERIC");
        qputenv("LANG", "C");
        QCOMPARE(localizedDecimalText(30000.0 / 1001), u"29.97"_s);
    }

    void languages()
    {
        const std::pair<QString, QString> names[] = {{u"ger"_s, u"German"_s}, {u"De"_s, u"German"_s},
            {u"GER"_s, u"German"_s}, {u"chi"_s, u"Chinese"_s}, {u"ido"_s, u"Ido"_s}, {u"mao"_s, u"Māori"_s},
            {u"und"_s, QString()}, {u"zxx"_s, QString()}, {QString(), QString()}, {u" eng"_s, QString()}};
        for (const auto &[code, name] : names)
            QCOMPARE(IsoLocaleCodes::find(code).name.toString(), name);
        QCOMPARE(IsoLocaleCodes::find(u"ii").local, u"ꆈꌠ꒿ Nuosuhxop");

        // Every code names one language, and finds it.
        QSet<QString> codes;
        for (const IsoLocaleInfo &row : IsoLocales::all()) {
            QCOMPARE(row.alpha1.size() + row.alpha2.size() + row.alpha2B.size(), 8);
            for (const QString &code : QSet{row.alpha1.toString(), row.alpha2.toString(), row.alpha2B.toString()}) {
                QVERIFY2(!codes.contains(code), qPrintable(code));
                codes.insert(code);
                QCOMPARE(IsoLocaleCodes::find(code).name, row.name);
            }
        }
    }

    void codePointOrder()
    {
        // Full stop and digits before capitals, capitals before "_", "_" before small letters.
        QVERIFY(codePointLess(u"DURATION.tags"_s, u"avg_frame_rate"_s));
        QVERIFY(codePointLess(u"a.b"_s, u"a0"_s) && codePointLess(u"Z"_s, u"_"_s));
        // U+1F600 is stored as surrogates, which UTF-16 order puts below U+FB01.
        const QString emoji = QString::fromUcs4(U"\U0001F600");
        const QString ligature = QString::fromUcs4(U"\uFB01");
        QVERIFY(codePointLess(ligature, emoji) && !codePointLess(emoji, ligature));
        // Composed and decomposed é are the same text.
        const QString composed = QString::fromUcs4(U"\u00E9");
        const QString decomposed = QString::fromUcs4(U"e\u0301");
        QVERIFY(!codePointLess(composed, decomposed) && !codePointLess(decomposed, composed));
        QVERIFY(codePointLess(u"f"_s, decomposed));

        const KeyValueList sorted = sortedByKey({{u"b"_s, u"2"_s}, {emoji, u"3"_s}, {u"B"_s, u"1"_s}, {ligature, u"4"_s}});
        QCOMPARE(sorted, (KeyValueList{keyValueEntry(u"B"_s, u"1"_s), keyValueEntry(u"b"_s, u"2"_s),
                                       keyValueEntry(ligature, u"4"_s), keyValueEntry(emoji, u"3"_s)}));
    }
};

QTEST_GUILESS_MAIN(TestValues)
#include "tst_values.moc"
