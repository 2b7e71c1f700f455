// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <vector>

class Message;
class QuizFileError;

// The quiz engine's texts as the user reads them: translated into the user's language where a
// catalogue has them, with their arguments decoded as quiz text is (UTF-8, else Windows-1252).
class QuizTexts
{
public:
    static QString translated(const Message &message);
    // Each message on a line of its own.
    static QString lines(const std::vector<Message> &messages);
    // "Cannot load the quiz file ...", naming the file and the problem.
    static QString describe(const QuizFileError &error);
};
