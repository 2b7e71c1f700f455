// SPDX-License-Identifier: MIT
#include "StudioTexts.h"

#include "Message.h"
#include "QuizFileError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTranslator>

#include <vector>

namespace {

struct Text
{
    const char *context;
    const char *source;
};

constexpr const char *Editor = "QuizEditor";
constexpr const char *Block = "QuestionBlock";
constexpr const char *Quiz = Message::Context;

// Every text the studio shows, found there by its English words: the quiz editor's where the studio
// says what the editor says, the engine's messages it can meet (the checker's findings and the
// reasons a file does not open), and its own.
const std::vector<Text> &texts()
{
    static const std::vector<Text> all {
        { Editor, "Untitled" },
        { Editor, "Quiz" },
        { Editor, "Findings" },
        { Editor, "Errors and warnings in the quiz; activate one to go to its line" },
        { Editor, "Cast members" },
        { Editor, "Answer &A votes for:" },
        { Editor, "Answer &B votes for:" },
        { Editor, "Answer &C votes for:" },
        { Editor, "Answer &D votes for:" },
        { Editor, "Name for answer %1" },
        { Editor, "Error: %1" },
        { Editor, "Warning: %1" },
        { Editor, "Line %1: error: %2" },
        { Editor, "Line %1: warning: %2" },
        { Editor, "%1 and %2: a quiz with errors cannot be saved." },
        { Editor, "%1; the quiz can be saved." },
        { Editor, "No errors or warnings." },
        { Editor,
          "The quiz cannot be saved while it has errors: the program would refuse the file. "
          "Mend the errors in the list first." },
        { Editor, "Cannot save the quiz file \"%1\": %2" },
        { Editor, "it would be larger than %1 MiB, too large for the quiz editor." },
        { Editor,
          "The quiz cannot be published while it has errors: the page could not play it. "
          "Mend the errors in the list first." },
        { Editor,
          "This quiz file is in the Windows-1252 encoding, which cannot hold some of the text you typed. "
          "Save the quiz in UTF-8 from now on?" },
        { Block, "Question %1" },
        { Block, "Question:" },
        { Block, "Answer A:" },
        { Block, "Answer B:" },
        { Block, "Answer C:" },
        { Block, "Answer D:" },
        { Block, "Question %1, answer %2" },
        { Block, "votes for (no name yet)" },
        { Block, "votes for %1" },
        { Quiz, QuizFileError::Heading },
        { Quiz, "the file cannot be read (%1)." },
        { Quiz, "it is larger than %1 MiB, too large for the quiz editor." },
        { Quiz,
          "it has only %1 line, but a quiz needs %2: twenty questions of five lines each, then the four "
          "names." },
        { Quiz,
          "it has only %1 lines, but a quiz needs %2: twenty questions of five lines each, then the four "
          "names." },
        { Quiz, "it is saved as UTF-16, which a quiz file cannot be: save it as UTF-8 and try again." },
        { Quiz, "line %1 is longer than %2 bytes, so this is not a quiz file." },
        { Quiz,
          "the file is empty, but a quiz needs %1 lines: twenty questions of five lines each, then the "
          "four names" },
        { Quiz,
          "the file ends after line %1, in the block of question %2: %3 lines are missing (a quiz needs "
          "%4: twenty questions of five lines each, then the four names)" },
        { Quiz,
          "the file ends after line %1, before the last name: 1 line is missing (a quiz needs %2: twenty "
          "questions of five lines each, then the four names)" },
        { Quiz,
          "the file ends after line %1, before the last %2 names: %2 lines are missing (a quiz needs %3: "
          "twenty questions of five lines each, then the four names)" },
        { Quiz, "the name for answer %1 is empty" },
        { Quiz, "question %1 is empty" },
        { Quiz, "question %1, answer %2 is empty" },
        { Quiz, "line %1 is longer than %2 bytes" },
        { Quiz, "the line after line %1 is ignored" },
        { Quiz, "the %1 lines after line %2 are ignored" },
        { Quiz, "the %1 bytes after line %2 are ignored" },
        { Quiz, "this line is not valid UTF-8, so it is shown as Windows-1252, as is every other such line" },
        { Quiz, "lines %1 and %2 hold the same name %3, so answers %4 and %5 vote for one cast member" },
        { Quiz, "no sound clip belongs to the name %1, so its result plays no sound (only %2 have clips)" },
        { Quiz,
          "no sound clip belongs to the names %1, so their results play no sound (only %2 have clips)" },
        { "Studio", QT_TRANSLATE_NOOP("Studio", "Match Maker Studio") },
        { "Studio", QT_TRANSLATE_NOOP("Studio", "%1 - Match Maker Studio") },
        { "Studio", QT_TRANSLATE_NOOP("Studio", "New") },
        { "Studio", QT_TRANSLATE_NOOP("Studio", "Open…") },
        { "Studio", QT_TRANSLATE_NOOP("Studio", "Try it") },
        { "Studio", QT_TRANSLATE_NOOP("Studio", "Save") },
        { "Studio", QT_TRANSLATE_NOOP("Studio", "Publish as Web Page") },
        { "Studio", QT_TRANSLATE_NOOP("Studio", "Open a quiz file, or drop one anywhere on this page.") },
        { "Studio", QT_TRANSLATE_NOOP("Studio", "Saved") },
        { "Studio", QT_TRANSLATE_NOOP("Studio", "Published") },
        { "Studio", QT_TRANSLATE_NOOP("Studio", "Close") },
        { "Studio", QT_TRANSLATE_NOOP("Studio", "The quiz as it plays") },
        { "Studio", QT_TRANSLATE_NOOP("Studio", "Yes") },
        { "Studio", QT_TRANSLATE_NOOP("Studio", "No") },
        { "Studio", QT_TRANSLATE_NOOP("Studio", "the browser did not allow writing to it.") },
        { "Studio", QT_TRANSLATE_NOOP("Studio", "The quiz engine cannot start in this browser: %1") },
    };
    return all;
}

const std::vector<Text> &plurals()
{
    static const std::vector<Text> all {
        { Editor, "%n error(s)" },
        { Editor, "%n warning(s)" },
    };
    return all;
}

QJsonArray sources(const std::vector<Text> &list)
{
    QJsonArray keys;
    for (const Text &text : list)
        keys.append(QString::fromUtf8(text.source));
    return keys;
}

QJsonArray translated(const QTranslator &catalogue)
{
    QJsonArray words;
    for (const Text &text : texts()) {
        const QString translation = catalogue.translate(text.context, text.source);
        words.append(translation.isEmpty() ? QJsonValue() : QJsonValue(translation));
    }
    return words;
}

// The forms for n = 0, 1 and 2, "%n" left in them; the English source where the catalogue has none.
QJsonArray pluralForms(const QTranslator &catalogue)
{
    QJsonArray forms;
    for (const Text &text : plurals()) {
        QJsonArray three;
        for (int n = 0; n <= 2; ++n) {
            const QString form = catalogue.translate(text.context, text.source, nullptr, n);
            three.append(form.isEmpty() ? QString::fromUtf8(text.source) : form);
        }
        forms.append(three);
    }
    return forms;
}

} // namespace

QByteArray StudioTexts::script(const QString &catalogueFolder, const QString &catalogueName)
{
    QJsonObject tables { { "keys", sources(texts()) } };
    QJsonObject pluralTables { { "keys", sources(plurals()) } };
    for (const char *language : { "en", "de", "fr" }) {
        QTranslator catalogue;
        const bool loaded = catalogue.load(catalogueName + '_' + QLatin1String(language), catalogueFolder);
        if (!loaded && qstrcmp(language, "en") != 0)
            continue;
        if (qstrcmp(language, "en") != 0)
            tables.insert(QLatin1String(language), translated(catalogue));
        pluralTables.insert(QLatin1String(language), pluralForms(catalogue));
    }
    tables.insert("plurals", pluralTables);
    return "window.StudioTexts = " + QJsonDocument(tables).toJson(QJsonDocument::Compact) + ";\n";
}
