// SPDX-License-Identifier: MIT
// The page's own words in the reader's language: the first of German, French and English that the
// browser asks for, else English. A text is found by its English words (tables.keys; each
// language's list holds their translations in the same order). Quiz text is never translated.
/* exported Translation */
class Translation {
    constructor(tables) {
        this.tables = tables;
        this.language = Translation.chosen(tables);
    }

    static chosen(tables) {
        for (const wanted of navigator.languages || [navigator.language]) {
            const primary = String(wanted).toLowerCase().split('-')[0];
            if (primary === 'en' || (/^(de|fr)$/.test(primary) && tables[primary])) return primary;
        }
        return 'en';
    }

    // The words in the page's language; the English ones where a translation is missing.
    translate(english) {
        const translated = this.tables[this.language];
        const at = this.language !== 'en' && translated ? (this.tables.keys || []).indexOf(english) : -1;
        return at >= 0 && translated[at] ? translated[at] : english;
    }
}
