// SPDX-License-Identifier: MIT
#pragma once

#include "QuizFile.h"
#include "QuizLineReader.h"

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
