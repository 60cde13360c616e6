#include "common/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installTranslations()
{
    // They live as long as the application: a translator must outlive its use.
    static QTranslator own;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&qt);
    const QLocale locale = QLocale::system();
    if (own.load(locale, QStringLiteral("videofold"), QStringLiteral("_"), QStringLiteral(":/i18n"))
        || own.load(QStringLiteral("videofold_en"), QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(&own);
    }
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
}
