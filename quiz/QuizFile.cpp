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

class LineReader
{
public:
    explicit LineReader(std::streambuf &buffer) : buffer(buffer) { }

    // True when the file starts with a UTF-16 byte-order mark (FF FE or FE FF); nothing is consumed.
    bool startsWithUtf16Mark()
    {
        const int first = buffer.sgetc();
        if (first != 0xFF && first != 0xFE)
            return false;
        buffer.sbumpc();
        const int second = buffer.sgetc();
        buffer.sungetc();
        return second == (first == 0xFF ? 0xFE : 0xFF);
    }

    void skipByteOrderMark()
    {
        static constexpr char mark[] = "\xEF\xBB\xBF";
        for (int i = 0; i < 3; ++i) {
            if (buffer.sgetc() != static_cast<unsigned char>(mark[i])) {
                // Put back what matched so far: it belongs to the first line.
                for (; i > 0; --i)
                    buffer.sungetc();
                return;
            }
            buffer.sbumpc();
        }
    }

    enum class Result { Line, End, TooLong };

    Result readLine(std::string &line)
    {
        line.clear();
        for (;;) {
            const int c = buffer.sbumpc();
            if (c == std::char_traits<char>::eof())
                return line.empty() ? Result::End : Result::Line;
            if (c == '\n')
                return Result::Line;
            if (c == '\r') {
                if (buffer.sgetc() == '\n')
                    buffer.sbumpc();
                return Result::Line;
            }
            if (line.size() == QuizMaxLineLength)
                return Result::TooLong;
            line.push_back(static_cast<char>(c));
        }
    }

private:
    std::streambuf &buffer;
};

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

} // namespace

QuizText LoadQuizLines(const std::filesystem::path &path)
{
    checkIsRegularFile(path);
    std::ifstream file(path, std::ios::binary);
    if (!file)
        fail(path,
             Message(QT_TRANSLATE_NOOP("Quiz", "the file cannot be read (%1)."), { std::strerror(errno) }));

    LineReader reader(*file.rdbuf());
    if (reader.startsWithUtf16Mark())
        fail(path,
             Message(QT_TRANSLATE_NOOP("Quiz",
                                       "it is saved as UTF-16, which a quiz file cannot be: save "
                                       "it as UTF-8 and try again.")));
    reader.skipByteOrderMark();
    QuizText text;
    for (std::size_t i = 0; i < QuizLineCount; ++i) {
        switch (reader.readLine(text[i])) {
        case LineReader::Result::Line:
            break;
        case LineReader::Result::End:
            fail(path, shortFileProblem(i));
        case LineReader::Result::TooLong:
            fail(path,
                 Message(QT_TRANSLATE_NOOP("Quiz",
                                           "line %1 is longer than %2 bytes, so this is not a quiz file."),
                         { std::to_string(i + 1), std::to_string(QuizMaxLineLength) }));
        }
    }
    return text;
}
