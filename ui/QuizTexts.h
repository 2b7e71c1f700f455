// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class Message;
class QuizFileError;

// The quiz engine's texts as the user reads them: translated into the user's language where a
// catalogue has them, with their arguments decoded as quiz text is (UTF-8, else Windows-1252).
class QuizTexts
{
public:
    static QString translated(const Message &message);
    // "Cannot load the quiz file ...", naming the file and the problem.
    static QString describe(const QuizFileError &error);
};
