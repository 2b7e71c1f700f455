// SPDX-License-Identifier: MIT
#include "QuizTexts.h"

#include "FileName.h"
#include "Message.h"
#include "Placeholders.h"
#include "QuizFileError.h"
#include "TextDecoder.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

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
    const QStringList arguments { FileName::shown(FileName::fromNative(error.path().native())),
                                  translated(error.problem()) };
    return fillPlaces(translatedTemplate(QuizFileError::Heading), arguments);
}
