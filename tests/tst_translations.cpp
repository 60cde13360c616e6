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
        const std::tuple<const char *, const char *, const char *, int, QString> rows[] = {
            {"en", "QueuePanel", "%n HTML5 video(s) created", 1, u"1 HTML5 video created"_s},
            {"en", "QueuePanel", "%n HTML5 video(s) created", 2, u"2 HTML5 videos created"_s},
            {"en", "QuitGuard", "%n export(s) are not finished. Stop them and quit?", 1, u"1 export is not finished. Stop it and quit?"_s},
            {"en", "QuitGuard", "%n export(s) are not finished. Stop them and quit?", 5, u"5 exports are not finished. Stop them and quit?"_s},
            {"de", "QueuePanel", "%n HTML5 video(s) created", 1, u"1 HTML5-Video erstellt"_s},
            {"de", "QueuePanel", "%n HTML5 video(s) created", 2, u"2 HTML5-Videos erstellt"_s},
            {"de", "QueueFlow", "%n file(s) can't be exported.", 5, u"5 Dateien können nicht exportiert werden."_s},
            {"de", "Display", "%n byte(s)", 1, u"1 Byte"_s},
            {"fr", "QueuePanel", "%n export(s) failed", 1, u"1 export a échoué"_s},
            {"fr", "QueuePanel", "%n export(s) failed", 2, u"2 exports ont échoué"_s},
            {"fr", "QueuePanel", "%n export(s) failed", 5, u"5 exports ont échoué"_s},
            {"fr", "Display", "%n byte(s)", 0, u"0 octet"_s},
            {"es", "QueueFlow", "%n export(s) did not finish. Add them to the queue again?", 1,
             u"1 exportación no terminó. ¿Añadirla de nuevo a la cola?"_s},
            {"es", "QueueFlow", "%n export(s) did not finish. Add them to the queue again?", 2,
             u"2 exportaciones no terminaron. ¿Añadirlas de nuevo a la cola?"_s},
            {"es", "MediaInfo", "%n chapter(s)", 5, u"5 capítulos"_s}};
        for (const auto &[language, context, source, count, expected] : rows) {
            QTranslator translator;
            QVERIFY(translator.load(u":/i18n/videofold_"_s + QString::fromLatin1(language)));
            QCoreApplication::installTranslator(&translator);
            QCOMPARE(QCoreApplication::translate(context, source, nullptr, count), expected);
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
