// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <string>

// Turns the bytes of a quiz line into text: UTF-8 when they are valid UTF-8, otherwise
// Windows-1252, the code page that quizzes written on Windows use.
class TextDecoder
{
public:
    static QString decode(const std::string &bytes);
};
