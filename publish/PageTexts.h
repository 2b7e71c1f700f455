// SPDX-License-Identifier: MIT
#pragma once

#include <QJsonObject>
#include <QString>

#include <vector>

// The texts the web page shows, each where the catalogues hold it: the window's own words in
// their contexts, and the page's own in the context "WebPage". The page looks each up by its
// English words (T('...') in its scripts) in the tables written to texts.js.
class PageTexts
{
public:
    struct Text
    {
        const char *context;
        const char *source;
    };

    static const std::vector<Text> &all();
    // {"keys": [English, ...], "de": [German, ...], "fr": [...]} from the compiled catalogues
    // folder/name_LANG.qm, each text once and its translations in the same order: a language
    // without a catalogue is left out, and a text without a translation is null.
    static QJsonObject tables(const QString &catalogueFolder, const QString &catalogueName);
};
