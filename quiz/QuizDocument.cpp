// SPDX-License-Identifier: MIT
#include "QuizDocument.h"

#include "QuizFileError.h"
#include "Utf8.h"

#include <algorithm>
#include <sstream>

namespace {

using LineEnd = QuizLineReader::LineEnd;

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

QuizDocument::Encoding encodingOf(const QuizText &lines)
{
    const bool allUtf8 = std::all_of(lines.begin(), lines.end(),
                                     [](const std::string &line) { return Utf8::isValid(line); });
    return allUtf8 ? QuizDocument::Encoding::Utf8 : QuizDocument::Encoding::Windows1252;
}

// Reads at most limit + 1 bytes, so a file that keeps growing is still caught as too large. The
// buffer grows with what is read, so a quiz of a few kilobytes takes a few kilobytes.
std::string readAtMost(std::streambuf &file, std::size_t limit)
{
    constexpr std::size_t Chunk = std::size_t { 64 } * 1024;
    std::string bytes;
    while (bytes.size() <= limit) {
        const std::size_t before = bytes.size();
        const std::size_t wanted = std::min(Chunk, limit + 1 - before);
        bytes.resize(before + wanted);
        const auto got = file.sgetn(bytes.data() + before, static_cast<std::streamsize>(wanted));
        bytes.resize(before + static_cast<std::size_t>(got));
        if (static_cast<std::size_t>(got) < wanted)
            break;
    }
    return bytes;
}

} // namespace

QuizDocument::QuizDocument()
{
    ends.fill(LineEnd::CrLf);
}

QuizDocument::QuizDocument(const QuizText &lines) : QuizDocument()
{
    text = lines;
    for (std::size_t i = 0; i < text.size(); ++i)
        setLine(i, text[i]);
    textEncoding = encodingOf(text);
}

QuizDocument QuizDocument::load(const std::filesystem::path &path)
{
    std::ifstream file = openQuizFile(path);
    return readQuizFile(path, [&] { return read(*file.rdbuf(), path); });
}

QuizDocument QuizDocument::read(std::streambuf &file, const std::filesystem::path &path)
{
    const std::string bytes = readAtMost(file, MaxFileSize);
    if (bytes.size() > MaxFileSize)
        throw QuizFileError(path,
                            Message(QT_TRANSLATE_NOOP("Quiz",
                                                      "it is larger than %1 MiB, too large for the "
                                                      "quiz editor."),
                                    { std::to_string(MaxFileSize / 1024 / 1024) }));
    return fromBytes(bytes, path);
}

QuizDocument QuizDocument::fromBytes(const std::string &bytes, const std::filesystem::path &path)
{
    std::stringbuf buffer(bytes, std::ios::in);
    QuizLineReader reader(buffer);
    QuizDocument document;
    document.byteOrderMark = readQuizFileStart(reader, path);
    document.text = readQuizLines(reader, path, &document.ends);
    document.trailing = reader.readRest();
    document.textEncoding = encodingOf(document.text);
    document.markSaved();
    return document;
}

void QuizDocument::setLine(std::size_t index, std::string line)
{
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    text.at(index) = std::move(line);
}

void QuizDocument::markSaved()
{
    savedText = text;
    savedEncoding = textEncoding;
}

std::string QuizDocument::bytes() const
{
    std::string file;
    if (byteOrderMark || firstLineLooksLikeAMark())
        file += ByteOrderMark;
    for (std::size_t i = 0; i < text.size(); ++i)
        file += text[i] + terminatorAfter(i);
    return file + trailing;
}

// Without a mark of its own in front, such a line 1 would lose its first bytes to the reader, or
// the file would be refused as UTF-16.
bool QuizDocument::firstLineLooksLikeAMark() const
{
    const std::string_view first = text.front();
    return first.starts_with(ByteOrderMark) || first.starts_with("\xFF\xFE") || first.starts_with("\xFE\xFF");
}

// A line keeps its ending, except where that would not read back: an empty last line needs an
// ending to be a line at all, and a lone CR followed by an LF would end one line, not two.
const char *QuizDocument::terminatorAfter(std::size_t index) const
{
    LineEnd end = ends[index];
    if (end == LineEnd::None && text[index].empty())
        end = index > 0 ? ends[index - 1] : LineEnd::CrLf;
    const bool lineFeedFollows = index + 1 < text.size()
        ? text[index + 1].empty() && ends[index + 1] == LineEnd::Lf
        : trailing.starts_with('\n');
    if (end == LineEnd::Cr && lineFeedFollows)
        end = LineEnd::CrLf;
    return QuizLineReader::terminator(end);
}
