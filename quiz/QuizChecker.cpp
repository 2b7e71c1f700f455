// SPDX-License-Identifier: MIT
#include "QuizChecker.h"

#include "QuizFileError.h"
#include "SoundClips.h"
#include "Utf8.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

using Severity = QuizFinding::Severity;

std::string number(std::size_t value)
{
    return std::to_string(value);
}

// A line of nothing but blanks shows as empty as an empty line does.
bool isBlank(const std::string &line)
{
    return line.find_first_not_of(" \t") == std::string::npos;
}

std::string answerLetter(std::size_t answer)
{
    return { static_cast<char>('A' + answer) };
}

// A name as the messages quote it; direction controls in it cannot reorder the sentence.
std::string quoted(const std::string &name)
{
    return '"' + Utf8::isolatedIfBidi(name) + '"';
}

// "the block of question 7", "the last 3 names": what is lost when a file ends after lineCount
// lines.
Message shortFileFinding(std::size_t lineCount)
{
    const std::string missing = number(QuizLineCount - lineCount);
    if (lineCount <= QuizNameLine)
        return Message(QT_TRANSLATE_NOOP("Quiz",
                                         "the file ends after line %1, in the block of question %2: %3 "
                                         "lines are missing (a quiz needs %4: twenty questions of five "
                                         "lines each, then the four names)"),
                       { number(lineCount), number((lineCount - 1) / QuizBlockLines + 1), missing,
                         number(QuizLineCount) });
    if (lineCount + 1 == QuizLineCount)
        return Message(QT_TRANSLATE_NOOP("Quiz",
                                         "the file ends after line %1, before the last name: 1 line is "
                                         "missing (a quiz needs %2: twenty questions of five lines each, "
                                         "then the four names)"),
                       { number(lineCount), number(QuizLineCount) });
    return Message(QT_TRANSLATE_NOOP("Quiz",
                                     "the file ends after line %1, before the last %2 names: %2 lines are "
                                     "missing (a quiz needs %3: twenty questions of five lines each, then "
                                     "the four names)"),
                   { number(lineCount), missing, number(QuizLineCount) });
}

Message emptyLineFinding(std::size_t index)
{
    if (index >= QuizNameLine)
        return Message(QT_TRANSLATE_NOOP("Quiz", "the name for answer %1 is empty"),
                       { answerLetter(index - QuizNameLine) });
    const std::string question = number(index / QuizBlockLines + 1);
    if (index % QuizBlockLines == 0)
        return Message(QT_TRANSLATE_NOOP("Quiz", "question %1 is empty"), { question });
    return Message(QT_TRANSLATE_NOOP("Quiz", "question %1, answer %2 is empty"),
                   { question, answerLetter(index % QuizBlockLines - 1) });
}

std::string joined(const std::vector<std::string> &items)
{
    std::string text;
    for (const auto &item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

// Up to one byte more than the checker looks at, which tells whether the file goes on beyond them.
std::string readStart(std::streambuf &file)
{
    std::string bytes;
    std::array<char, 64 * 1024> chunk {};
    while (bytes.size() <= QuizChecker::PrefixBytes) {
        const std::size_t wanted = std::min(chunk.size(), QuizChecker::PrefixBytes + 1 - bytes.size());
        const std::streamsize got = file.sgetn(chunk.data(), static_cast<std::streamsize>(wanted));
        if (got <= 0)
            break;
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
    return bytes;
}

} // namespace

// The first bytes of a file, read in place; how many of them were consumed.
class QuizChecker::Prefix : public std::streambuf
{
public:
    explicit Prefix(std::string_view bytes)
    {
        char *const start = const_cast<char *>(bytes.data());
        setg(start, start, start + bytes.size());
    }
    std::size_t size() const { return static_cast<std::size_t>(egptr() - eback()); }
    std::size_t consumed() const { return static_cast<std::size_t>(gptr() - eback()); }
};

QuizChecker::QuizChecker(Prefix &prefix, std::uint64_t totalSize)
    : prefix(prefix), totalSize(totalSize), reader(prefix)
{
}

std::vector<QuizFinding> QuizChecker::checkFile(const std::filesystem::path &path)
{
    try {
        std::ifstream file = openQuizFile(path);
        return readQuizFile(path, [&] {
            const std::string start = readStart(*file.rdbuf());
            if (start.size() <= PrefixBytes)
                return checkStart(start, start.size());
            // The size the system gives, which a file in /proc does not know.
            std::error_code unknown;
            return checkStart(
                start, std::max<std::uint64_t>(std::filesystem::file_size(path, unknown), start.size()));
        });
    } catch (const QuizFileError &problem) {
        return { { 0, Severity::Error, problem.problem() } };
    }
}

std::vector<QuizFinding> QuizChecker::checkBytes(std::string_view bytes)
{
    return checkStart(bytes, bytes.size());
}

std::vector<QuizFinding> QuizChecker::checkStart(std::string_view firstBytes, std::uint64_t totalSize)
{
    Prefix prefix(firstBytes.substr(
        0, static_cast<std::size_t>(std::min<std::uint64_t>({ firstBytes.size(), totalSize, PrefixBytes }))));
    return QuizChecker(prefix, totalSize).check();
}

bool QuizChecker::hasError(const std::vector<QuizFinding> &findings)
{
    return std::any_of(findings.begin(), findings.end(),
                       [](const QuizFinding &finding) { return finding.severity == Severity::Error; });
}

std::vector<QuizFinding> QuizChecker::check()
{
    try {
        readQuizFileStart(reader, {});
    } catch (const QuizFileError &problem) {
        error(0, problem.problem());
        return findings;
    }
    if (readLines())
        checkRestOfFile();
    checkEmptyLines();
    checkEncoding();
    checkNames();
    std::stable_sort(findings.begin(), findings.end(),
                     [](const QuizFinding &a, const QuizFinding &b) { return a.line < b.line; });
    return findings;
}

bool QuizChecker::readLines()
{
    bool complete = true;
    linesRead
        = readQuizLines(reader, text, nullptr, [this, &complete](QuizLineProblem problem, std::size_t index) {
              if (problem == QuizLineProblem::TooLong) {
                  error(index + 1,
                        Message(QT_TRANSLATE_NOOP("Quiz", "line %1 is longer than %2 bytes"),
                                { number(index + 1), number(QuizMaxLineLength) }));
                  return;
              }
              complete = false;
              if (totalSize > prefix.size())
                  return;
              error(index,
                    index == 0 ? Message(QT_TRANSLATE_NOOP("Quiz",
                                                           "the file is empty, but a quiz needs %1 lines: "
                                                           "twenty questions of five lines each, then the "
                                                           "four names"),
                                         { number(QuizLineCount) })
                               : shortFileFinding(index));
          });
    return complete;
}

// Lines after the 104th are never read; only ones that hold text are worth a word. What runs
// beyond the bytes looked at is reported by its size.
void QuizChecker::checkRestOfFile()
{
    if (totalSize > prefix.size()) {
        warning(QuizLineCount + 1,
                Message(QT_TRANSLATE_NOOP("Quiz", "the %1 bytes after line %2 are ignored"),
                        { std::to_string(totalSize - prefix.consumed()), number(QuizLineCount) }));
        return;
    }
    std::size_t count = 0;
    bool holdsText = false;
    std::string line;
    for (;;) {
        const auto result = reader.readLine(line, QuizMaxLineLength);
        if (result == QuizLineReader::Result::End)
            break;
        if (result == QuizLineReader::Result::TooLong)
            reader.skipRestOfLine();
        holdsText = holdsText || result == QuizLineReader::Result::TooLong || !isBlank(line);
        ++count;
    }
    if (!holdsText)
        return;
    warning(QuizLineCount + 1,
            count == 1 ? Message(QT_TRANSLATE_NOOP("Quiz", "the line after line %1 is ignored"),
                                 { number(QuizLineCount) })
                       : Message(QT_TRANSLATE_NOOP("Quiz", "the %1 lines after line %2 are ignored"),
                                 { number(count), number(QuizLineCount) }));
}

void QuizChecker::checkEmptyLines()
{
    for (std::size_t i = 0; i < linesRead; ++i) {
        if (isBlank(text[i]))
            warning(i + 1, emptyLineFinding(i));
    }
}

void QuizChecker::checkEncoding()
{
    auto *const end = text.begin() + static_cast<std::ptrdiff_t>(linesRead);
    auto *const first
        = std::find_if(text.begin(), end, [](const std::string &line) { return !Utf8::isValid(line); });
    if (first == end)
        return;
    warning(static_cast<std::size_t>(first - text.begin()) + 1,
            Message(QT_TRANSLATE_NOOP("Quiz",
                                      "this line is not valid UTF-8, so it is shown as Windows-1252, as is "
                                      "every other such line")));
}

void QuizChecker::checkNames()
{
    if (linesRead < QuizLineCount)
        return;
    std::vector<std::string> silent;
    std::size_t firstSilent = 0;
    for (std::size_t k = 0; k < QuizAnswerCount; ++k) {
        const std::string &name = text[QuizNameLine + k];
        if (isBlank(name))
            continue;
        for (std::size_t earlier = 0; earlier < k; ++earlier) {
            if (text[QuizNameLine + earlier] != name)
                continue;
            warning(QuizNameLine + k + 1,
                    Message(QT_TRANSLATE_NOOP("Quiz",
                                              "lines %1 and %2 hold the same name %3, so answers %4 and %5 "
                                              "vote for one cast member"),
                            { number(QuizNameLine + earlier + 1), number(QuizNameLine + k + 1), quoted(name),
                              answerLetter(earlier), answerLetter(k) }));
            break;
        }
        if (soundClipFor(name) != nullptr
            || std::find(silent.begin(), silent.end(), quoted(name)) != silent.end())
            continue;
        firstSilent = silent.empty() ? QuizNameLine + k + 1 : firstSilent;
        silent.push_back(quoted(name));
    }
    if (silent.empty())
        return;
    std::vector<std::string> withClips;
    withClips.reserve(SoundClips.size());
    for (const auto &clip : SoundClips)
        withClips.emplace_back(clip.name);
    warning(firstSilent,
            silent.size() == 1
                ? Message(QT_TRANSLATE_NOOP("Quiz",
                                            "no sound clip belongs to the name %1, so its result plays no "
                                            "sound (only %2 have clips)"),
                          { silent.front(), joined(withClips) })
                : Message(QT_TRANSLATE_NOOP("Quiz",
                                            "no sound clip belongs to the names %1, so their results play no "
                                            "sound (only %2 have clips)"),
                          { joined(silent), joined(withClips) }));
}

void QuizChecker::error(std::size_t line, Message message)
{
    findings.push_back({ line, Severity::Error, std::move(message) });
}

void QuizChecker::warning(std::size_t line, Message message)
{
    findings.push_back({ line, Severity::Warning, std::move(message) });
}
