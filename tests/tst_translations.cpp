#include "common/displaytext.h"
#include "export/settingstext.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

// Each language's catalogue as the application loads it: plural forms, and the
// numbers the window writes read back in that language's own form.
class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void pluralForms()
    {
        // 1, 2 and 5 of the same message in each language.
        const std::pair<const char *, QStringList> rows[] = {
            {"en", {u"1 export failed"_s, u"2 exports failed"_s, u"5 exports failed"_s}},
            {"de", {u"1 Export fehlgeschlagen"_s, u"2 Exporte fehlgeschlagen"_s, u"5 Exporte fehlgeschlagen"_s}},
            {"fr", {u"1 export a échoué"_s, u"2 exports ont échoué"_s, u"5 exports ont échoué"_s}},
            {"es", {u"1 exportación falló"_s, u"2 exportaciones fallaron"_s, u"5 exportaciones fallaron"_s}}};
        for (const auto &[language, expected] : rows) {
            QTranslator translator;
            QVERIFY(translator.load(u":/i18n/videofold_"_s + QString::fromLatin1(language)));
            QCoreApplication::installTranslator(&translator);
            QStringList texts;
            for (const int count : {1, 2, 5})
                texts << QCoreApplication::translate("QueuePanel", "%n export(s) failed", nullptr, count);
            QCOMPARE(texts, expected);
            QCoreApplication::removeTranslator(&translator);
        }
    }

    void numbersInTheLanguagesForm()
    {
        // What the window writes into a field it reads back; a dot is read in every language.
        const std::tuple<const char *, QLocale::Language, QString, QString> rows[] = {
            {"de", QLocale::German, u"8,5 MB"_s, u"0:11,6"_s},
            {"fr", QLocale::French, u"8,5 Mo"_s, u"0:11,6"_s},
            {"es", QLocale::Spanish, u"8,5 MB"_s, u"0:11,6"_s},
            {"en", QLocale::English, u"8.5 MB"_s, u"0:11.6"_s}};
        for (const auto &[language, localeLanguage, size, time] : rows) {
            QTranslator translator;
            QVERIFY(translator.load(u":/i18n/videofold_"_s + QString::fromLatin1(language)));
            QCoreApplication::installTranslator(&translator);
            QLocale::setDefault(QLocale(localeLanguage));
            QCOMPARE(byteCountText(8'500'000), size);
            QCOMPARE(clockText(11.6, true), time);
            for (const QString &typed : {size, u"8.5 MB"_s, u"8.5MB"_s}) {
                const std::optional<SizeSetting> read = parseSizeSetting(withDotDecimals(typed));
                QVERIFY2(read && read->kind == SizeSetting::Kind::Bytes && read->value == 8'500'000, qPrintable(typed));
            }
            const std::optional<PositionSetting> position = parsePositionSetting(withDotDecimals(time));
            QVERIFY2(position && position->kind == PositionSetting::Kind::Seconds && qAbs(position->value - 11.6) < 1e-9,
                     qPrintable(time));
            QCoreApplication::removeTranslator(&translator);
        }
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
