// SPDX-License-Identifier: MIT
#pragma once

#include "Finding.h"
#include "QuizFile.h"
#include "QuizLineReader.h"
#include "TextDecoder.h"

#include <QJsonArray>
#include <QJsonObject>

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

// The input's lines as a quiz, missing ones empty; a line may hold any byte but CR and LF.
inline QuizText fuzzedQuiz(const std::uint8_t *data, std::size_t size)
{
    std::stringbuf buffer(std::string(reinterpret_cast<const char *>(data), size), std::ios::in);
    QuizLineReader reader(buffer);
    QuizText lines;
    for (std::string &line : lines) {
        if (reader.readLine(line, QuizMaxLineLength) == QuizLineReader::Result::TooLong)
            reader.skipRestOfLine();
    }
    return lines;
}

// A finding unless the page's data of a quiz holds its 104 lines as the window shows them.
inline void checkReadsBack(const QJsonObject &quiz, const QuizText &lines)
{
    const QJsonArray text = quiz["lines"].toArray();
    if (text.size() != qsizetype(QuizLineCount))
        finding("the quiz does not have 104 lines");
    for (std::size_t i = 0; i < QuizLineCount; ++i) {
        if (text[qsizetype(i)].toString() != TextDecoder::decode(lines[i]))
            finding("a line does not read back as the window shows it");
    }
}
