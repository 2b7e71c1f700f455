// SPDX-License-Identifier: MIT
#pragma once

#include "QuizFile.h"

#include <filesystem>
#include <streambuf>
#include <string>

// A quiz file as the editor holds it: its 104 lines (bytes, as LoadQuizLines gives them) and
// the form around them, so that a file opened and written back with no edit comes back byte for
// byte: each line's ending, the UTF-8 byte-order mark, the encoding, and every byte after line
// 104. Edited lines keep the ending their line had.
class QuizDocument
{
public:
    enum class Encoding { Utf8, Windows1252 };
    // Larger files are refused: the editor holds the whole file, lines after the 104th included.
    static constexpr std::size_t MaxFileSize = std::size_t { 64 } * 1024 * 1024;

    // A new quiz: 104 empty lines ending in CR LF, UTF-8, no byte-order mark.
    QuizDocument();
    // A new quiz holding these lines; Windows-1252 when one of them is not valid UTF-8.
    explicit QuizDocument(const QuizText &lines);

    // Reads a quiz file. Throws QuizFileError for anything LoadQuizLines refuses, and for a file
    // larger than MaxFileSize.
    static QuizDocument load(const std::filesystem::path &path);
    // The same from a file already open, read to its end; path names the file in an error.
    static QuizDocument read(std::streambuf &file, const std::filesystem::path &path);
    // The same from the file's bytes; path names the file in an error.
    static QuizDocument fromBytes(const std::string &bytes, const std::filesystem::path &path);

    const QuizText &lines() const { return text; }
    // A line break in line would split it in two and shift every later line: it becomes a space.
    void setLine(std::size_t index, std::string line);
    Encoding encoding() const { return textEncoding; }
    // The lines are given in the new encoding by the caller, who converts them.
    void setEncoding(Encoding encoding) { textEncoding = encoding; }
    bool hasByteOrderMark() const { return byteOrderMark; }
    const std::string &trailingBytes() const { return trailing; }

    // The file as it is to be written: exactly 104 lines that LoadQuizLines reads back as lines().
    std::string bytes() const;

    // True once lines() or encoding() differ from the file as last read or saved.
    bool isModified() const { return text != savedText || textEncoding != savedEncoding; }
    void markSaved();

private:
    // Whether the bytes of line 1 would be taken for a byte-order mark if the file began with them.
    bool firstLineLooksLikeAMark() const;
    const char *terminatorAfter(std::size_t index) const;

    QuizText text;
    QuizLineEnds ends;
    Encoding textEncoding = Encoding::Utf8;
    bool byteOrderMark = false;
    std::string trailing;
    QuizText savedText;
    Encoding savedEncoding = Encoding::Utf8;
};
