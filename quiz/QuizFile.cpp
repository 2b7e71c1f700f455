// SPDX-License-Identifier: MIT
#include "QuizFile.h"

#include "QuizFileError.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>
#include <utility>

namespace {

[[noreturn]] void fail(const std::filesystem::path &path, Message problem)
{
    throw QuizFileError(path, std::move(problem));
}

// Only a regular file is opened: a folder cannot be read as text, and a FIFO or a device could
// block the window for ever or never end.
void checkIsRegularFile(const std::filesystem::path &path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        fail(path, Message(QT_TRANSLATE_NOOP("Quiz", "the file does not exist.")));
    if (error)
        fail(path, Message(QT_TRANSLATE_NOOP("Quiz", "the file cannot be read (%1)."), { error.message() }));
    if (status.type() == std::filesystem::file_type::directory)
        fail(path, Message(QT_TRANSLATE_NOOP("Quiz", "it is a folder, not a quiz file.")));
    if (status.type() != std::filesystem::file_type::regular)
        fail(path, Message(QT_TRANSLATE_NOOP("Quiz", "it is not a regular file.")));
}

Message shortFileProblem(std::size_t lineCount)
{
    const char *text = lineCount == 1
        ? QT_TRANSLATE_NOOP("Quiz",
                            "it has only %1 line, but a quiz needs %2: twenty questions of five lines "
                            "each, then the four names.")
        : QT_TRANSLATE_NOOP("Quiz",
                            "it has only %1 lines, but a quiz needs %2: twenty questions of five "
                            "lines each, then the four names.");
    return Message(text, { std::to_string(lineCount), std::to_string(QuizLineCount) });
}

Message unreadable(const std::string &reason)
{
    return Message(QT_TRANSLATE_NOOP("Quiz", "the file cannot be read (%1)."), { reason });
}

} // namespace

std::ifstream openQuizFile(const std::filesystem::path &path)
{
    checkIsRegularFile(path);
    std::ifstream file(path, std::ios::binary);
    if (!file)
        fail(path, unreadable(std::strerror(errno)));
    return file;
}

QuizFileError readFailure(const std::filesystem::path &path, const std::ios_base::failure &failure)
{
    // The library gives the system's error number where it has one.
    const bool fromSystem = failure.code().category() != std::iostream_category();
    return { path, unreadable(fromSystem ? failure.code().message() : std::strerror(EIO)) };
}

bool readQuizFileStart(QuizLineReader &reader, const std::filesystem::path &path)
{
    if (reader.startsWithUtf16Mark())
        fail(path,
             Message(QT_TRANSLATE_NOOP("Quiz",
                                       "it is saved as UTF-16, which a quiz file cannot be: save "
                                       "it as UTF-8 and try again.")));
    return reader.skipByteOrderMark();
}

std::size_t readQuizLines(QuizLineReader &reader, QuizText &text, QuizLineEnds *ends,
                          const std::function<void(QuizLineProblem, std::size_t)> &problem)
{
    for (std::size_t i = 0; i < QuizLineCount; ++i) {
        const auto result = reader.readLine(text[i], QuizMaxLineLength);
        if (result == QuizLineReader::Result::End) {
            problem(QuizLineProblem::EndsEarly, i);
            return i;
        }
        if (result == QuizLineReader::Result::TooLong) {
            problem(QuizLineProblem::TooLong, i);
            reader.skipRestOfLine();
        }
        if (ends)
            (*ends)[i] = reader.lineEnd();
    }
    return QuizLineCount;
}

QuizText readQuizLines(QuizLineReader &reader, const std::filesystem::path &path, QuizLineEnds *ends)
{
    QuizText text;
    readQuizLines(reader, text, ends, [&](QuizLineProblem problem, std::size_t index) {
        if (problem == QuizLineProblem::EndsEarly)
            fail(path, shortFileProblem(index));
        fail(
            path,
            Message(QT_TRANSLATE_NOOP("Quiz", "line %1 is longer than %2 bytes, so this is not a quiz file."),
                    { std::to_string(index + 1), std::to_string(QuizMaxLineLength) }));
    });
    // A line's buffer grew as it was read; a quiz kept whole keeps only what its lines hold.
    for (std::string &line : text)
        line.shrink_to_fit();
    return text;
}

QuizText LoadQuizLines(const std::filesystem::path &path)
{
    std::ifstream file = openQuizFile(path);
    return readQuizFile(path, [&] {
        QuizLineReader reader(*file.rdbuf());
        readQuizFileStart(reader, path);
        return readQuizLines(reader, path);
    });
}
