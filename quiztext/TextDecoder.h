// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>

// Turns the bytes of a quiz line into text as the quiz engine's rule shows it (LineText): UTF-8
// when they are valid UTF-8, otherwise Windows-1252, the code page of quizzes written on Windows.
class TextDecoder
{
public:
    static QString decode(const std::string &bytes);
};
