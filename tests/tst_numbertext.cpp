#include "common/numbertext.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <bit>
#include <clocale>
#include <cmath>
#include <limits>

class TestNumberText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shortestText_data();
    void shortestText();
    void shortestTextOfExtremes();
    void shortestTextIgnoresLocale();
    void shortestTextRoundTrips();
    void saturation_data();
    void saturation();
    void parsing_data();
    void parsing();
};

void TestNumberText::shortestText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("128 kbps") << 128000.0 / 1000 << QStringLiteral("128.0");
    QTest::newRow("1411.2 kbps") << 1411200.0 / 1000 << QStringLiteral("1411.2");
    QTest::newRow("191.234 kbps") << 191234.0 / 1000 << QStringLiteral("191.234");
    QTest::newRow("zero") << 0.0 << QStringLiteral("0.0");
    QTest::newRow("two thirds") << 131 * 0.6666666666666666 * 0.96 << QStringLiteral("83.83999999999999");
    QTest::newRow("one third") << 131 * 0.3333333333333333 * 0.96 << QStringLiteral("41.919999999999995");
    QTest::newRow("half of 3.3") << 3.3 * 0.5 << QStringLiteral("1.65");
    QTest::newRow("half of 60") << 60 * 0.5 << QStringLiteral("30.0");
    QTest::newRow("negative") << -9.9 << QStringLiteral("-9.9");
    QTest::newRow("no exponent, large") << 100000.0 << QStringLiteral("100000.0");
    QTest::newRow("no exponent, small") << 0.0002 << QStringLiteral("0.0002");
    QTest::newRow("1e21") << 1e21 << QStringLiteral("1000000000000000000000.0");
    QTest::newRow("negative zero") << -0.0 << QStringLiteral("-0.0");
    QTest::newRow("nan") << std::nan("") << QStringLiteral("nan");
    QTest::newRow("infinity") << inf << QStringLiteral("inf");
}

void TestNumberText::shortestText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(shortestDoubleText(value), text);
}

void TestNumberText::shortestTextOfExtremes()
{
    // The largest double is written out in full, all 309 digits of it.
    const QString largest = shortestDoubleText(std::numeric_limits<double>::max());
    QCOMPARE(largest.size(), 309 + 2);
    QVERIFY(largest.startsWith(u"17976931348623157"));
    QVERIFY(largest.endsWith(u".0"));
    QCOMPARE(parseDouble(largest), std::numeric_limits<double>::max());

    const QString smallest = shortestDoubleText(std::numeric_limits<double>::denorm_min());
    QVERIFY(smallest.startsWith(u"0.000"));
    QVERIFY(smallest.endsWith(u"5"));
    QCOMPARE(parseDouble(smallest), std::numeric_limits<double>::denorm_min());
}

void TestNumberText::shortestTextIgnoresLocale()
{
    // A German C locale writes "209,92" with printf; the text must not follow it.
    const QByteArray previous = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString text = shortestDoubleText(209.92);
    std::setlocale(LC_ALL, previous.constData());
    QLocale::setDefault(QLocale::c());
    QCOMPARE(text, QStringLiteral("209.92"));
}

void TestNumberText::shortestTextRoundTrips()
{
    QRandomGenerator random(20261206);
    int checked = 0;
    while (checked < 1'000'000) {
        const double value = std::bit_cast<double>(random.generate64());
        if (!std::isfinite(value))
            continue;
        const QString text = shortestDoubleText(value);
        const std::optional<double> parsed = parseDouble(text);
        if (!parsed || std::bit_cast<quint64>(*parsed) != std::bit_cast<quint64>(value))
            QFAIL(qPrintable(QStringLiteral("%1 did not read back").arg(text)));
        if (text.contains(u'e') || !text.contains(u'.'))
            QFAIL(qPrintable(QStringLiteral("%1 is not in plain fixed notation").arg(text)));
        ++checked;
    }
}

void TestNumberText::saturation_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("integer");

    constexpr qint64 max = std::numeric_limits<qint64>::max();
    constexpr qint64 min = std::numeric_limits<qint64>::min();
    QTest::newRow("truncates up") << -2.9 << qint64(-2);
    QTest::newRow("nan") << std::nan("") << qint64(0);
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << max;
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << min;
    QTest::newRow("2^63") << 9223372036854775808.0 << max;
    QTest::newRow("below 2^63") << 9223372036854774784.0 << qint64(9223372036854774784);
    QTest::newRow("1e300") << 1e300 << max;
}

void TestNumberText::saturation()
{
    QFETCH(double, value);
    QFETCH(qint64, integer);
    QCOMPARE(saturatingInt64(value), integer);
}

void TestNumberText::parsing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("value");

    QTest::newRow("decimal") << QStringLiteral("12.345000") << true << 12.345;
    QTest::newRow("negative") << QStringLiteral("-0.5") << true << -0.5;
    QTest::newRow("plus sign") << QStringLiteral("+3") << true << 3.0;
    QTest::newRow("exponent") << QStringLiteral("1e3") << true << 1000.0;
    QTest::newRow("leading point") << QStringLiteral(".25") << true << 0.25;
    QTest::newRow("N/A") << QStringLiteral("N/A") << false << 0.0;
    QTest::newRow("comma") << QStringLiteral("29,97") << false << 0.0;
    QTest::newRow("trailing text") << QStringLiteral("12 s") << false << 0.0;
    QTest::newRow("nan") << QStringLiteral("nan") << false << 0.0;
}

void TestNumberText::parsing()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, value);
    const std::optional<double> parsed = parseDouble(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
