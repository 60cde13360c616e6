#pragma once

// Loads the application's translations and Qt's own (its dialogs and standard
// buttons) in the desktop's language: LANGUAGE, then LC_ALL, LC_MESSAGES and
// LANG, as QLocale::uiLanguages reads them. English, with its plural forms,
// where no language matches. Needs the application object; a second call
// loads them again.
void installTranslations();
