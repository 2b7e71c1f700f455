// SPDX-License-Identifier: MIT
#include "QuizTexts.h"

#include "FileName.h"
#include "Message.h"
#include "QuizFileError.h"
#include "TextDecoder.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// Fills the places %1 to %9 in one pass, so an argument holding "%2" stays as it is (QString::arg
// applied once per argument would fill it too).
QString fillPlaces(const QString &text, const QStringList &arguments)
{
    QString filled;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const bool place
            = text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9';
        const qsizetype index = place ? text[at + 1].unicode() - '1' : 0;
        if (place && index < arguments.size()) {
            filled += arguments[index];
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}

QString translatedTemplate(const char *text)
{
    return QCoreApplication::translate(Message::Context, text);
}

} // namespace

QString QuizTexts::translated(const Message &message)
{
    QStringList arguments;
    for (const std::string &argument : message.arguments())
        arguments << TextDecoder::decode(argument);
    return fillPlaces(translatedTemplate(message.text()), arguments);
}

QString QuizTexts::lines(const std::vector<Message> &messages)
{
    QStringList texts;
    for (const Message &message : messages)
        texts << translated(message);
    return texts.join('\n');
}

QString QuizTexts::describe(const QuizFileError &error)
{
    return fillPlaces(
        translatedTemplate(QuizFileError::Heading),
        { FileName::shown(FileName::fromNative(error.path().native())), translated(error.problem()) });
}
