// The texts the window and the prober's record show: numbers, durations, byte
// counts, frame rates, language names and the order of key/value lists.
#include "common/displaytext.h"
#include "common/numbertext.h"
#include "probe/framerate.h"
#include "probe/keyvalues.h"
#include "probe/languages.h"

#include <QSet>
#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

class TestText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numbers()
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

QTEST_GUILESS_MAIN(TestText)
#include "tst_text.moc"
