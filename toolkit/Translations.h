// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>

#include <memory>
#include <vector>

class QTranslator;

// The program's texts in the user's language, for as long as the object lives: Qt's own catalogue
// (standard buttons and dialogs) and the program's, NAME_LANGUAGE.qm in a folder of catalogues.
// A language without a catalogue keeps the English texts, and so do the C locale and every
// English one; they take only the plural forms of the English catalogue (NAME_en.qm).
class Translations
{
public:
    // Where the program's own catalogues are compiled in, and their name.
    static inline const QString ProgramFolder = QStringLiteral(":/i18n");
    static inline const QString ProgramName = QStringLiteral("matchmaker");

    Translations(const QLocale &locale, const QString &catalogueFolder, const QString &catalogueName);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // True when the program's own catalogue was found for the language.
    bool translated() const { return ownCatalogue; }

private:
    bool install(const QLocale &locale, const QString &name, const QString &folder);

    std::vector<std::unique_ptr<QTranslator>> installed;
    bool ownCatalogue = false;
};
