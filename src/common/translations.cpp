#include "common/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// They live as long as the program: a translator must outlive its use.
QTranslator ownTranslator;
QTranslator qtTranslator;

const QString catalogueFolder = QStringLiteral(":/i18n");
const QString ownCatalogue = QStringLiteral("videofold");
const QString englishCatalogue = QStringLiteral("videofold_en");
const QString qtCatalogue = QStringLiteral("qtbase");
const QString separator = QStringLiteral("_");

} // namespace

void installTranslations()
{
    QCoreApplication::removeTranslator(&ownTranslator);
    QCoreApplication::removeTranslator(&qtTranslator);
    const QLocale locale = QLocale::system();
    // English, with its plural forms, where the desktop's language has no catalogue here.
    if (!ownTranslator.load(locale, ownCatalogue, separator, catalogueFolder))
        (void)ownTranslator.load(englishCatalogue, catalogueFolder);
    QCoreApplication::installTranslator(&ownTranslator);
    if (qtTranslator.load(locale, qtCatalogue, separator, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslator);
}
