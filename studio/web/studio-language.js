// SPDX-License-Identifier: MIT
// The studio's words in the user's language (window.StudioTexts, written from the program's
// catalogues): German or French when the browser asks for one of them first, else English, as the
// published page chooses. A text is found by its English words; a plural by its English source and
// a count. Places %1 to %9 are filled in one pass, so an argument holding "%2" stays as it is.
/* exported StudioLanguage */
class StudioLanguage {
    constructor(tables) {
        this.tables = tables || { keys: [] };
        this.language = StudioLanguage.chosen(this.tables);
        this.index = new Map((this.tables.keys || []).map((english, at) => [english, at]));
        const plurals = this.tables.plurals || {};
        this.pluralIndex = new Map((plurals.keys || []).map((english, at) => [english, at]));
    }

    static chosen(tables) {
        for (const wanted of navigator.languages || [navigator.language]) {
            const primary = String(wanted).toLowerCase().split('-')[0];
            if (primary === 'en' || (/^(de|fr)$/.test(primary) && tables[primary])) return primary;
        }
        return 'en';
    }

    static fill(template, args) {
        return template.replace(/%([1-9])/g, (place, digit) =>
            Number(digit) <= args.length ? String(args[Number(digit) - 1]) : place,
        );
    }

    // The words in the studio's language (the English ones where a translation is missing), with
    // the arguments in their places.
    text(english, ...args) {
        const translated = this.tables[this.language];
        const at = this.language !== 'en' && translated ? this.index.get(english) : undefined;
        const words = at !== undefined && translated[at] ? translated[at] : english;
        return args.length ? StudioLanguage.fill(words, args) : words;
    }

    // The form of a text for count n (the forms are those for 0, 1 and 2 or more), %n filled.
    plural(english, n) {
        const plurals = this.tables.plurals || {};
        const at = this.pluralIndex.get(english);
        const forms = at !== undefined && plurals[this.language] ? plurals[this.language][at] : null;
        const words = forms && forms[Math.min(n, 2)] ? forms[Math.min(n, 2)] : english;
        return words.replace(/%n/g, String(n));
    }

    // A message of the quiz engine ({ template, arguments, text }) in the studio's language.
    message(message) {
        return StudioLanguage.fill(this.text(message.template), message.arguments || []);
    }
}
