// SPDX-License-Identifier: MIT
#pragma once

#include "QuizFileError.h"
#include "QuizLineReader.h"

#include <array>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ios>
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
using QuizLineEnds = std::array<QuizLineReader::LineEnd, QuizLineCount>;

// Reads the first 104 lines of a quiz file, byte for byte. A line ends at CR LF, LF or a lone
// CR; a UTF-8 byte-order mark before the first line is dropped; nothing after line 104 is read.
// A UTF-16 file (byte-order mark FF FE or FE FF) is refused: read as bytes, every line would
// come out split in two and interleaved with NULs.
// Either the whole quiz comes back or a QuizFileError is thrown: there is no partial result.
QuizText LoadQuizLines(const std::filesystem::path &path);

// The steps of LoadQuizLines, for the readers that need more of the file than its lines. Each
// throws QuizFileError with LoadQuizLines's own words.
// Opens a quiz file for reading; a missing file, a folder, a device or a FIFO is refused.
std::ifstream openQuizFile(const std::filesystem::path &path);
// A read error (an unreadable disk, /proc/self/mem) is thrown from deep inside the standard
// library's file buffer as std::ios_base::failure; this is the same as a QuizFileError naming
// the file and the system's reason.
QuizFileError readFailure(const std::filesystem::path &path, const std::ios_base::failure &failure);

// Runs read(), which reads the file at path, with its read errors thrown as QuizFileError.
template<typename Read>
auto readQuizFile(const std::filesystem::path &path, Read read) -> decltype(read())
{
    try {
        return read();
    } catch (const std::ios_base::failure &failure) {
        throw readFailure(path, failure);
    }
}
// Refuses a UTF-16 file and skips a UTF-8 byte-order mark; true when there was one.
bool readQuizFileStart(QuizLineReader &reader, const std::filesystem::path &path);
// What the reading of a quiz's 104 lines can meet.
enum class QuizLineProblem {
    // Line index + 1 is longer than QuizMaxLineLength: it keeps its first bytes, the rest is
    // skipped, and the reading goes on.
    TooLong,
    // The file ends after index lines, and the reading stops.
    EndsEarly,
};

// The one reading of a quiz's lines after its start, for the loader, the checker and the
// editor's document, so that they never disagree about where a line ends: up to 104 lines into
// text, how each ended into ends (when given), and each problem told to problem(), which may
// throw to stop at the first. Returns how many lines were read.
std::size_t readQuizLines(QuizLineReader &reader, QuizText &text, QuizLineEnds *ends,
                          const std::function<void(QuizLineProblem problem, std::size_t index)> &problem);
// The same for a reader that wants the whole quiz or nothing: the first problem is thrown as a
// QuizFileError with LoadQuizLines's own words.
QuizText readQuizLines(QuizLineReader &reader, const std::filesystem::path &path,
                       QuizLineEnds *ends = nullptr);
