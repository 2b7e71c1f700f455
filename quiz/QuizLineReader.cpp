// SPDX-License-Identifier: MIT
#include "QuizLineReader.h"

#include <iterator>

namespace {

constexpr int EndOfFile = std::char_traits<char>::eof();

bool endsLine(int c)
{
    return c == '\r' || c == '\n';
}

} // namespace

bool QuizLineReader::startsWithUtf16Mark()
{
    const int first = buffer.sgetc();
    if (first != 0xFF && first != 0xFE)
        return false;
    buffer.sbumpc();
    const int second = buffer.sgetc();
    buffer.sungetc();
    return second == (first == 0xFF ? 0xFE : 0xFF);
}

bool QuizLineReader::skipByteOrderMark()
{
    static constexpr char mark[] = "\xEF\xBB\xBF";
    for (int i = 0; i < 3; ++i) {
        if (buffer.sgetc() != static_cast<unsigned char>(mark[i])) {
            // Put back what matched so far: it belongs to the first line.
            for (; i > 0; --i)
                buffer.sungetc();
            return false;
        }
        buffer.sbumpc();
    }
    return true;
}

void QuizLineReader::finishLine(int c)
{
    ending = c == '\n' ? LineEnd::Lf : LineEnd::Cr;
    if (c == '\r' && buffer.sgetc() == '\n') {
        buffer.sbumpc();
        ending = LineEnd::CrLf;
    }
}

QuizLineReader::Result QuizLineReader::readLine(std::string &line, std::size_t maxLength)
{
    line.clear();
    ending = LineEnd::None;
    for (;;) {
        const int c = buffer.sbumpc();
        if (c == EndOfFile)
            return line.empty() ? Result::End : Result::Line;
        if (endsLine(c)) {
            finishLine(c);
            return Result::Line;
        }
        if (line.size() == maxLength)
            return Result::TooLong;
        line.push_back(static_cast<char>(c));
    }
}

void QuizLineReader::skipRestOfLine()
{
    ending = LineEnd::None;
    for (int c = buffer.sbumpc(); c != EndOfFile; c = buffer.sbumpc()) {
        if (endsLine(c)) {
            finishLine(c);
            return;
        }
    }
}

std::size_t QuizLineReader::skipLines()
{
    std::size_t count = 0;
    while (buffer.sgetc() != EndOfFile) {
        skipRestOfLine();
        ++count;
    }
    return count;
}

std::string QuizLineReader::readRest()
{
    return { std::istreambuf_iterator<char>(&buffer), std::istreambuf_iterator<char>() };
}

const char *QuizLineReader::terminator(LineEnd end)
{
    switch (end) {
    case LineEnd::CrLf:
        return "\r\n";
    case LineEnd::Lf:
        return "\n";
    case LineEnd::Cr:
        return "\r";
    case LineEnd::None:
        break;
    }
    return "";
}
