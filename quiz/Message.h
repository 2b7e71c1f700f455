// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

// Marks the engine's texts for Qt Linguist's lupdate, which reads the macro's name in the source,
// without the engine depending on Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, sourceText) sourceText
#endif

// A text for the user from the quiz engine: an English template whose places %1 to %9 take the
// arguments. The window shows it translated (the template is looked up in the context "Quiz");
// the command line and the tests read it in English. Arguments are bytes as the quiz or the file
// system gave them.
class Message
{
public:
    static constexpr const char *Context = "Quiz";

    explicit Message(const char *text, std::vector<std::string> arguments = {});

    // The English template, as marked with QT_TRANSLATE_NOOP("Quiz", ...).
    const char *text() const { return templateText; }
    const std::vector<std::string> &arguments() const { return args; }
    // The template with its places filled in one pass, so an argument holding "%2" stays as it is.
    std::string english() const;

    bool operator==(const Message &other) const;

private:
    const char *templateText;
    std::vector<std::string> args;
};
