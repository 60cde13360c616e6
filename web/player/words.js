// The player's words in the page's language: media-chrome's own German, French
// and Spanish, with the few words this player adds.
import { addTranslation, t } from 'media-chrome/dist/utils/i18n.js';
import { En } from 'media-chrome/dist/lang/en.js';
import { De } from 'media-chrome/dist/lang/de.js';
import { Fr } from 'media-chrome/dist/lang/fr.js';
import { Es } from 'media-chrome/dist/lang/es.js';

const added = {
    en: { Chapters: 'Chapters' },
    de: { Chapters: 'Kapitel' },
    fr: { Chapters: 'Chapitres' },
    es: { Chapters: 'Capítulos' },
};
const dictionaries = { en: En, de: De, fr: Fr, es: Es };
for (const [language, words] of Object.entries(added))
    addTranslation(language, { ...dictionaries[language], ...words });

export { t };
