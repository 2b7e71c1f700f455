// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>

// A quiz is twenty blocks of five lines (the question, then its answers A to D) followed by the
// names of the four cast members that answers A to D vote for.
inline constexpr std::size_t QuizQuestionCount = 20;
inline constexpr std::size_t QuizAnswerCount = 4;
// A block: the question, then its answers.
inline constexpr std::size_t QuizBlockLines = 1 + QuizAnswerCount;
// The first of the names; the name on line QuizNameLine + k is the one answer k votes for.
inline constexpr std::size_t QuizNameLine = QuizQuestionCount * QuizBlockLines;
inline constexpr std::size_t QuizLineCount = QuizNameLine + QuizAnswerCount;
// In bytes. Longer lines are taken as a sign that the file is not a quiz at all.
inline constexpr std::size_t QuizMaxLineLength = std::size_t { 64 } * 1024;

using QuizText = std::array<std::string, QuizLineCount>;

// Reads the first 104 lines of a quiz file, byte for byte. A line ends at CR LF, LF or a lone
// CR; a UTF-8 byte-order mark before the first line is dropped; nothing after line 104 is read.
// A UTF-16 file (byte-order mark FF FE or FE FF) is refused: read as bytes, every line would
// come out split in two and interleaved with NULs.
// Either the whole quiz comes back or a QuizFileError is thrown: there is no partial result.
QuizText LoadQuizLines(const std::filesystem::path &path);
