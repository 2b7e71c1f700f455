// SPDX-License-Identifier: MIT
#include "PageTexts.h"

#include "Message.h"
#include "ResultTexts.h"

#include <QJsonArray>
#include <QTranslator>

const std::vector<PageTexts::Text> &PageTexts::all()
{
    static const std::vector<Text> texts {
        // As the window says them.
        { "Main", "Brindlecast Match Maker!" },
        { "Main", "Banner picture" },
        { "Main", "Brindlecast logo" },
        { "Main", "Question" },
        { "Main", "Answers" },
        { "Main", "New Test" },
        { "Main", "%1 of %2" },
        { "Main", "Question %1 of %2" },
        { "Main", "Website:  %1" },
        { "Main", "Email:  %1" },
        { "ContextMenu", "Back one question" },
        { "ContextMenu", "Sound" },
        { "ContextMenu", "Move the banner" },
        { Message::Context, ResultTexts::Title },
        { Message::Context, ResultTexts::Prompt },
        { Message::Context, ResultTexts::NoWinnerPrompt },
        { Message::Context, ResultTexts::Detail },
        { Message::Context, ResultTexts::Ties[2] },
        { Message::Context, ResultTexts::Ties[3] },
        { Message::Context, ResultTexts::Ties[4] },
        // The page's own.
        { "WebPage", QT_TRANSLATE_NOOP("WebPage", "Take it again") },
        { "WebPage", QT_TRANSLATE_NOOP("WebPage", "Leave") },
        { "WebPage", QT_TRANSLATE_NOOP("WebPage", "Save Picture") },
        { "WebPage", QT_TRANSLATE_NOOP("WebPage", "Copy") },
        { "WebPage", QT_TRANSLATE_NOOP("WebPage", "Copied") },
        { "WebPage", QT_TRANSLATE_NOOP("WebPage", "Share...") },
        { "WebPage", QT_TRANSLATE_NOOP("WebPage", "Choose a quiz") },
        { "WebPage", QT_TRANSLATE_NOOP("WebPage", "Thank you for playing. You can close this page now.") },
        { "WebPage", QT_TRANSLATE_NOOP("WebPage", "Most compatible with %1") },
        { "WebPage", QT_TRANSLATE_NOOP("WebPage", "Most compatible with all the guys") },
    };
    return texts;
}

QJsonObject PageTexts::tables(const QString &catalogueFolder, const QString &catalogueName)
{
    QJsonArray keys;
    for (const Text &text : all())
        keys.append(QString::fromUtf8(text.source));
    QJsonObject languages { { "keys", keys } };
    for (const char *language : { "de", "fr" }) {
        QTranslator catalogue;
        if (!catalogue.load(catalogueName + '_' + QLatin1String(language), catalogueFolder))
            continue;
        QJsonArray translated;
        for (const Text &text : all()) {
            const QString words = catalogue.translate(text.context, text.source);
            translated.append(words.isEmpty() ? QJsonValue() : QJsonValue(words));
        }
        languages.insert(QLatin1String(language), translated);
    }
    return languages;
}
