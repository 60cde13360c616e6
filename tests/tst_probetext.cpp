#include "common/displaytext.h"
#include "probe/framerate.h"
#include "probe/keyvalues.h"
#include "probe/languages.h"

#include <QSet>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

class TestProbeText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void languageLookup_data();
    void languageLookup();
    void languageTableIsWellFormed();
    void durations_data();
    void durations();
    void byteCounts();
    void frameRates_data();
    void frameRates();
    void frameRatesFollowTheLocale();
    void codePointOrder();
};

void TestProbeText::languageLookup_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");

    QTest::newRow("bibliographic") << u"ger"_s << u"German"_s;
    QTest::newRow("two letters") << u"de"_s << u"German"_s;
    QTest::newRow("capitals") << u"GER"_s << u"German"_s;
    QTest::newRow("mixed case") << u"De"_s << u"German"_s;
    QTest::newRow("fre") << u"fre"_s << u"French"_s;
    QTest::newRow("fr") << u"fr"_s << u"French"_s;
    QTest::newRow("chi") << u"chi"_s << u"Chinese"_s;
    QTest::newRow("dv") << u"dv"_s << u"Divehi"_s;
    QTest::newRow("io") << u"io"_s << u"Ido"_s;
    QTest::newRow("ido") << u"ido"_s << u"Ido"_s;
    QTest::newRow("diacritics") << u"mao"_s << u"Māori"_s;
    QTest::newRow("undetermined") << u"und"_s << QString();
    QTest::newRow("no linguistic content") << u"zxx"_s << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("spaces are not trimmed") << u" eng"_s << QString();
}

void TestProbeText::languageLookup()
{
    QFETCH(QString, code);
    QFETCH(QString, name);
    QCOMPARE(IsoLocaleCodes::find(code).name.toString(), name);
}

void TestProbeText::languageTableIsWellFormed()
{
    const auto table = IsoLocales::all();
    QCOMPARE(table.size(), 184u);
    QSet<QString> codes;
    int bibliographic = 0;
    int localIsEnglish = 0;
    for (const IsoLocaleInfo &row : table) {
        for (QStringView field : {row.name, row.local, row.alpha1, row.alpha2, row.alpha2T,
                                  row.alpha2B, row.alpha3}) {
            QVERIFY2(!field.isEmpty(), qPrintable(row.name.toString()));
        }
        QCOMPARE(row.alpha1.size(), 2);
        QCOMPARE(row.alpha2.size(), 3);
        QCOMPARE(row.alpha2T, row.alpha2);
        QCOMPARE(row.alpha3, row.alpha2);
        QCOMPARE(row.alpha2B.size(), 3);
        QSet<QString> rowCodes{row.alpha1.toString(), row.alpha2.toString(), row.alpha2B.toString()};
        for (const QString &code : rowCodes) {
            QVERIFY2(!codes.contains(code), qPrintable(code));
            codes.insert(code);
            QCOMPARE(IsoLocaleCodes::find(code).name, row.name);
        }
        bibliographic += row.alpha2B != row.alpha2;
        localIsEnglish += row.local == row.name;
    }
    QCOMPARE(bibliographic, 20);
    QCOMPARE(localIsEnglish, 13);
    QCOMPARE(IsoLocaleCodes::find(u"rus").local, u"русский язык");
    QCOMPARE(IsoLocaleCodes::find(u"bo").local, u"བོད་ཡིག");
    QCOMPARE(IsoLocaleCodes::find(u"ii").local, u"ꆈꌠ꒿ Nuosuhxop");
}

void TestProbeText::durations_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("text");

    QTest::newRow("hours, minutes, seconds") << 3725.5 << u"01:02:05.500"_s;
    QTest::newRow("milliseconds truncated") << 59.9999 << u"00:00:59.999"_s;
    QTest::newRow("small") << 0.0415 << u"00:00:00.041"_s;
    QTest::newRow("zero") << 0.0 << u"00:00:00.000"_s;
    QTest::newRow("hours not wrapped") << 360000.0 << u"100:00:00.000"_s;
    QTest::newRow("nan") << std::nan("") << u"00:00:00.000"_s;
}

void TestProbeText::durations()
{
    QFETCH(double, seconds);
    QFETCH(QString, text);
    QCOMPARE(formatDuration(seconds), text);
}

void TestProbeText::byteCounts()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(byteCountText(12'345'678), u"12.3 MB"_s);
    QCOMPARE(byteCountText(999), u"999 bytes"_s);
    QCOMPARE(byteCountText(1'500), u"1.5 kB"_s);
    // Rounded before the unit is chosen; one byte is singular.
    QCOMPARE(byteCountText(999'950), u"1.0 MB"_s);
    QCOMPARE(byteCountText(999'949), u"999.9 kB"_s);
    QCOMPARE(byteCountText(999'950'000), u"1.0 GB"_s);
    QCOMPARE(byteCountText(1), u"1 byte"_s);
    QCOMPARE(byteCountText(0), u"0 bytes"_s);
    QCOMPARE(byteCountText(std::numeric_limits<quint64>::max()), u"18.4 EB"_s);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(byteCountText(12'345'678), u"12,3 MB"_s);
    QLocale::setDefault(QLocale::system());
}

void TestProbeText::frameRates_data()
{
    QTest::addColumn<QString>("fraction");
    QTest::addColumn<QString>("text"); // empty: no rate

    QTest::newRow("NTSC") << u"30000/1001"_s << u"29.97"_s;
    QTest::newRow("film") << u"24000/1001"_s << u"23.976"_s;
    QTest::newRow("PAL") << u"25/1"_s << u"25"_s;
    QTest::newRow("60") << u"60000/1001"_s << u"59.94"_s;
    QTest::newRow("half to even") << u"1/8"_s << u"0.125"_s;
    QTest::newRow("half to even, down") << u"1/16"_s << u"0.062"_s;
    QTest::newRow("decimal operands") << u"2.5/0.5"_s << u"5"_s;
    QTest::newRow("no slash") << u"25"_s << QString();
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("not numbers") << u"a/b"_s << QString();
    QTest::newRow("two slashes") << u"1/2/3"_s << QString();
}

void TestProbeText::frameRates()
{
    QFETCH(QString, fraction);
    QFETCH(QString, text);
    qputenv("LC_ALL", "en_US.UTF-8");
    const std::optional<double> rate = rateOfFraction(fraction);
    QCOMPARE(rate.has_value(), !text.isEmpty());
    if (rate)
        QCOMPARE(localizedDecimalText(*rate), text);
    QVERIFY(std::isnan(*rateOfFraction(u"0/0")));
}

void TestProbeText::frameRatesFollowTheLocale()
{
    const QByteArray previous = qgetenv("LC_ALL");
    qputenv("LC_ALL", "de_DE.UTF-8");
    QCOMPARE(localizedDecimalText(30000.0 / 1001), u"29,97"_s);
    qunsetenv("LC_ALL");
    qputenv("LC_NUMERIC", "fr_FR.UTF-8");
    QCOMPARE(localizedDecimalText(24000.0 / 1001), u"23,976"_s);
    qunsetenv("LC_NUMERIC");
    qputenv("LANG", "C");
    QCOMPARE(localizedDecimalText(30000.0 / 1001), u"29.97"_s);
    qputenv("LC_ALL", previous);
}

void TestProbeText::codePointOrder()
{
    // Full stop and digits before capitals, capitals before "_", "_" before small letters.
    QVERIFY(codePointLess(u"DURATION.tags"_s, u"avg_frame_rate"_s));
    QVERIFY(codePointLess(u"bit_rate"_s, u"bits_per_raw_sample"_s));
    QVERIFY(codePointLess(u"a.b"_s, u"a0"_s));
    QVERIFY(codePointLess(u"Z"_s, u"_"_s));
    // U+1F600 is stored as surrogates, which UTF-16 order puts below U+FB01.
    const QString emoji = QString::fromUcs4(U"\U0001F600");
    const QString ligature = QString::fromUcs4(U"\uFB01");
    QVERIFY(emoji < ligature);
    QVERIFY(codePointLess(ligature, emoji));
    QVERIFY(!codePointLess(emoji, ligature));
    // Composed and decomposed é are the same text.
    const QString composed = QString::fromUcs4(U"\u00E9");
    const QString decomposed = QString::fromUcs4(U"e\u0301");
    QVERIFY(!codePointLess(composed, decomposed) && !codePointLess(decomposed, composed));
    QVERIFY(codePointLess(u"f"_s, decomposed)); // U+00E9 after U+0066

    const KeyValueList sorted = sortedByKey({{u"b"_s, u"2"_s}, {emoji, u"3"_s}, {u"B"_s, u"1"_s},
                                             {ligature, u"4"_s}});
    QStringList keys;
    for (const QVariantMap &entry : sorted)
        keys << entry.value(u"key"_s).toString();
    QCOMPARE(keys, (QStringList{u"B"_s, u"b"_s, ligature, emoji}));
    QCOMPARE(sorted.first(), (QVariantMap{{u"key"_s, u"B"_s}, {u"value"_s, u"1"_s}}));
}

QTEST_GUILESS_MAIN(TestProbeText)
#include "tst_probetext.moc"
