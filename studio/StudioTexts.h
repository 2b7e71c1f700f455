// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// The words the studio shows, in English, German and French: its own (context "Studio"), the quiz
// editor's that it shares, the checker's message templates and the plural forms, written as the
// script studio-texts.js ("window.StudioTexts = {...};") from the compiled catalogues
// folder/name_LANG.qm. The studio looks each text up by its English words.
class StudioTexts
{
public:
    static QByteArray script(const QString &catalogueFolder, const QString &catalogueName);
};
