// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <streambuf>
#include <string>

// Splits the bytes of a quiz file into lines. The loader, the checker and the editor's document
// all read through this one class, so they can never disagree about where a line ends: at CR LF,
// at a lone LF or at a lone CR. A UTF-8 byte-order mark before the first line is not part of it.
class QuizLineReader
{
public:
    enum class Result { Line, End, TooLong };
    // How the line just read ended; None only for a last line that runs to the end of the file.
    enum class LineEnd { None, CrLf, Lf, Cr };

    explicit QuizLineReader(std::streambuf &buffer) : buffer(buffer) { }

    // True when the bytes start with a UTF-16 byte-order mark (FF FE or FE FF); nothing is consumed.
    bool startsWithUtf16Mark();
    // Consumes a UTF-8 byte-order mark at the start; true when there was one.
    bool skipByteOrderMark();

    // Reads the next line into line. TooLong once the line passes maxLength bytes: line then holds
    // its first maxLength bytes, and skipRestOfLine() moves on to the next line.
    Result readLine(std::string &line, std::size_t maxLength);
    LineEnd lineEnd() const { return ending; }
    void skipRestOfLine();
    // The number of lines left, consumed without keeping them.
    std::size_t skipLines();
    // Every byte left, as it is.
    std::string readRest();

    // The bytes that end a line this way.
    static const char *terminator(LineEnd end);

private:
    // Consumes the end of a line after its first byte c (CR or LF), noting how it ended.
    void finishLine(int c);

    std::streambuf &buffer;
    LineEnd ending = LineEnd::None;
};
