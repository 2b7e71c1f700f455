// SPDX-License-Identifier: MIT
#pragma once

#include "QuizFile.h"
#include "QuizFinding.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Checks a quiz file the way LoadQuizLines reads it and says where it goes wrong: an error for
// everything LoadQuizLines refuses, a warning for what loads but shows: an empty question,
// answer or name, two names alike, a name without a sound clip, text that is not UTF-8, and
// text after line 104. The findings come sorted by line.
// It reads no more than the first PrefixBytes of a file. Text after line 104 that runs beyond
// them is reported by its size instead of its lines, and the lines after a line too long to end
// within them are not checked, as the file is refused for that line anyway.
class QuizChecker
{
public:
    // The longest quiz file (a byte-order mark and 104 lines of QuizMaxLineLength bytes, each
    // ending in CR LF) is 6.5 MiB: room for it and as much again after it.
    static constexpr std::size_t PrefixBytes = std::size_t { 16 } * 1024 * 1024;

    static std::vector<QuizFinding> checkFile(const std::filesystem::path &path);
    // The bytes as they would be in a file.
    static std::vector<QuizFinding> checkBytes(std::string_view bytes);
    // A file of totalSize bytes from its first bytes, so that a file need not be read whole:
    // given at least the first min(totalSize, PrefixBytes) bytes, the findings are those of the
    // whole file. Bytes beyond PrefixBytes are not looked at.
    static std::vector<QuizFinding> checkStart(std::string_view firstBytes, std::uint64_t totalSize);

    static bool hasError(const std::vector<QuizFinding> &findings);

private:
    class Prefix;
    QuizChecker(Prefix &prefix, std::uint64_t totalSize);

    std::vector<QuizFinding> check();
    // Reads up to 104 lines; false when the file ends before them, or its first bytes do.
    bool readLines();
    void checkRestOfFile();
    void checkEmptyLines();
    void checkEncoding();
    void checkNames();
    void error(std::size_t line, Message message);
    void warning(std::size_t line, Message message);

    Prefix &prefix;
    std::uint64_t totalSize;
    QuizLineReader reader;
    QuizText text;
    std::size_t linesRead = 0;
    std::vector<QuizFinding> findings;
};
