// SPDX-License-Identifier: MIT
#pragma once

#include "QuizFile.h"
#include "QuizFinding.h"

#include <filesystem>
#include <streambuf>
#include <string>
#include <vector>

// Checks a quiz file the way LoadQuizLines reads it and says where it goes wrong: an error for
// everything LoadQuizLines refuses, a warning for what loads but shows: an empty question,
// answer or name, two names alike, a name without a sound clip, text that is not UTF-8, and
// text after line 104. The findings come sorted by line.
class QuizChecker
{
public:
    static std::vector<QuizFinding> checkFile(const std::filesystem::path &path);
    // The bytes as they would be in a file.
    static std::vector<QuizFinding> checkBytes(const std::string &bytes);
    // The same from a stream of the file's bytes, read to its end.
    static std::vector<QuizFinding> checkStream(std::streambuf &file);

    static bool hasError(const std::vector<QuizFinding> &findings);

private:
    explicit QuizChecker(std::streambuf &buffer) : reader(buffer) { }

    std::vector<QuizFinding> check();
    // Reads up to 104 lines; false when the file ends before them.
    bool readLines();
    void checkRestOfFile();
    void checkEmptyLines();
    void checkEncoding();
    void checkNames();
    void error(std::size_t line, Message message);
    void warning(std::size_t line, Message message);

    QuizLineReader reader;
    QuizText text;
    std::size_t linesRead = 0;
    std::vector<QuizFinding> findings;
};
