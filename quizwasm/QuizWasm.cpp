// SPDX-License-Identifier: MIT
#include "QuizWasm.h"

#include "EntryPoint.h"
#include "Json.h"
#include "LineText.h"
#include "MemoryBuffer.h"
#include "Placeholders.h"
#include "QuizChecker.h"
#include "QuizDocument.h"
#include "QuizFileError.h"
#include "Utf8.h"
#include "Windows1252.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// The name a document's error gives the file: the studio names the file itself.
constexpr const char *NoName = "";

// A message's arguments decoded as quiz text is, as --check and the editor decode them.
std::vector<std::string> decodedArguments(const Message &message)
{
    std::vector<std::string> arguments;
    for (const std::string &argument : message.arguments())
        arguments.push_back(LineText::toUtf8(argument));
    return arguments;
}

// The message in English as --check and the editor show it: its places filled with its arguments.
std::string english(const Message &message)
{
    return fillPlaces(std::string(message.text()), decodedArguments(message));
}

// The template, its decoded arguments and the two filled in, so a page can translate the template.
std::string messageJson(const Message &message)
{
    std::string json = "{\"template\":" + Json::quoted(message.text()) + ",\"arguments\":[";
    const std::vector<std::string> arguments = decodedArguments(message);
    for (std::size_t i = 0; i < arguments.size(); ++i)
        json += (i > 0 ? "," : "") + Json::quoted(arguments[i]);
    return json + "],\"text\":" + Json::quoted(english(message)) + '}';
}

std::string findingsJson(const std::vector<QuizFinding> &findings)
{
    std::string json = "[";
    for (const QuizFinding &finding : findings) {
        const char *severity = finding.severity == QuizFinding::Severity::Error ? "error" : "warning";
        json += (json.size() > 1 ? "," : "") + std::string(R"({"line":)") + std::to_string(finding.line)
            + R"(,"severity":")" + severity + R"(","message":)" + messageJson(finding.message) + '}';
    }
    return json + ']';
}

std::string linesJson(const QuizDocument &document)
{
    std::string json = "[";
    for (const std::string &line : document.lines())
        json += (json.size() > 1 ? "," : "") + Json::quoted(LineText::toUtf8(line));
    return json + ']';
}

// The Windows-1252 bytes of a UTF-8 text, as the editor encodes a field of a Windows-1252 quiz:
// none when a character has no such byte, or when the bytes would form valid UTF-8 and so read
// back as other characters.
std::optional<std::string> windows1252Bytes(const std::string &text)
{
    std::string bytes;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8::Sequence sequence = Utf8::sequenceAt(text, at);
        const auto byte = sequence.length == 0 ? std::nullopt : Windows1252::byteFor(sequence.codePoint);
        if (!byte)
            return std::nullopt;
        bytes += static_cast<char>(*byte);
        at += sequence.length;
    }
    if (LineText::toUtf8(bytes) != text)
        return std::nullopt;
    return bytes;
}

// Control characters (C0, DEL and C1) written as \xHH, as the command line writes them to a
// terminal.
std::string escapedControls(const std::string &text)
{
    static constexpr const char *Digits = "0123456789abcdef";
    std::string escaped;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8::Sequence sequence = Utf8::sequenceAt(text, at);
        const std::uint32_t code = sequence.codePoint;
        if (sequence.length > 0 && (code < 0x20 || (code >= 0x7F && code <= 0x9F))) {
            escaped += "\\x";
            escaped += Digits[code >> 4];
            escaped += Digits[code & 0xF];
        } else {
            escaped.append(text, at, std::max<std::size_t>(sequence.length, 1));
        }
        at += std::max<std::size_t>(sequence.length, 1);
    }
    return escaped;
}

// The findings as --check prints them for a file of this name: "NAME:LINE: error: TEXT", a line
// each. A name holding direction controls cannot reorder the line it starts.
std::string report(const std::string &name, const std::vector<QuizFinding> &findings)
{
    const std::string shown = Utf8::isolatedIfBidi(name);
    std::string lines;
    for (const QuizFinding &finding : findings) {
        const std::string place = finding.line == 0 ? shown : shown + ':' + std::to_string(finding.line);
        const char *severity = finding.severity == QuizFinding::Severity::Error ? "error" : "warning";
        lines += escapedControls(place + ": " + severity + ": " + english(finding.message)) + '\n';
    }
    return lines;
}

// The checker's findings on a file of totalSize bytes from its first bytes, read where they are. A
// size JavaScript gives that is no size (less than the bytes given, or not a number) is theirs.
std::vector<QuizFinding> findingsOf(const char *bytes, std::size_t size, double totalSize)
{
    constexpr double LargestExact = 9007199254740992.0; // 2^53: every integer below it is a double
    const double checked = totalSize >= static_cast<double>(size) ? std::min(totalSize, LargestExact)
                                                                  : static_cast<double>(size);
    return QuizChecker::checkStart(std::string_view(bytes, size), static_cast<std::uint64_t>(checked));
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE std::size_t quizwasm_prefix_bytes()
{
    return QuizChecker::PrefixBytes;
}

EMSCRIPTEN_KEEPALIVE std::size_t quizwasm_document_limit()
{
    return QuizDocument::MaxFileSize;
}

EMSCRIPTEN_KEEPALIVE const char *quizwasm_text_data(const std::string *text)
{
    return text->data();
}

EMSCRIPTEN_KEEPALIVE std::size_t quizwasm_text_size(const std::string *text)
{
    return text->size();
}

EMSCRIPTEN_KEEPALIVE void quizwasm_text_free(std::string *text)
{
    delete text;
}

EMSCRIPTEN_KEEPALIVE std::string *quizwasm_check(const char *bytes, std::size_t size, double totalSize)
{
    return guarded([&] { return new std::string(findingsJson(findingsOf(bytes, size, totalSize))); },
                   static_cast<std::string *>(nullptr));
}

EMSCRIPTEN_KEEPALIVE std::string *quizwasm_check_report(const char *name, std::size_t nameSize,
                                                        const char *bytes, std::size_t size, double totalSize)
{
    return guarded(
        [&] {
            return new std::string(report(std::string(name, nameSize), findingsOf(bytes, size, totalSize)));
        },
        static_cast<std::string *>(nullptr));
}

EMSCRIPTEN_KEEPALIVE QuizDocument *quizwasm_open(const char *bytes, std::size_t size, std::string **problem)
{
    *problem = nullptr;
    return guarded(
        [&]() -> QuizDocument * {
            MemoryBuffer file(bytes, size);
            try {
                return new QuizDocument(QuizDocument::read(file, NoName));
            } catch (const QuizFileError &error) {
                *problem = new std::string(messageJson(error.problem()));
                return nullptr;
            }
        },
        static_cast<QuizDocument *>(nullptr));
}

EMSCRIPTEN_KEEPALIVE void quizwasm_close(QuizDocument *document)
{
    delete document;
}

EMSCRIPTEN_KEEPALIVE std::string *quizwasm_lines(const QuizDocument *document)
{
    return guarded([&] { return new std::string(linesJson(*document)); },
                   static_cast<std::string *>(nullptr));
}

EMSCRIPTEN_KEEPALIVE int quizwasm_encoding(const QuizDocument *document)
{
    return document->encoding() == QuizDocument::Encoding::Windows1252 ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int quizwasm_is_modified(const QuizDocument *document)
{
    return document->isModified() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void quizwasm_mark_saved(QuizDocument *document)
{
    document->markSaved();
}

EMSCRIPTEN_KEEPALIVE int quizwasm_set_line(QuizDocument *document, std::size_t index, const char *text,
                                           std::size_t size)
{
    return guarded(
        [&] {
            if (index >= QuizLineCount)
                return -1;
            std::optional<std::string> bytes = std::string(text, size);
            if (document->encoding() == QuizDocument::Encoding::Windows1252)
                bytes = windows1252Bytes(*bytes);
            if (!bytes)
                return 1;
            document->setLine(index, std::move(*bytes));
            return 0;
        },
        -1);
}

EMSCRIPTEN_KEEPALIVE int quizwasm_convert_to_utf8(QuizDocument *document)
{
    return guarded(
        [&] {
            for (std::size_t i = 0; i < QuizLineCount; ++i)
                document->setLine(i, LineText::toUtf8(document->lines()[i]));
            document->setEncoding(QuizDocument::Encoding::Utf8);
            return 0;
        },
        -1);
}

EMSCRIPTEN_KEEPALIVE std::string *quizwasm_findings(const QuizDocument *document)
{
    return guarded([&] { return new std::string(findingsJson(QuizChecker::checkBytes(document->bytes()))); },
                   static_cast<std::string *>(nullptr));
}

EMSCRIPTEN_KEEPALIVE int quizwasm_save(const QuizDocument *document, std::string **bytes)
{
    *bytes = nullptr;
    return guarded(
        [&] {
            auto written = std::make_unique<std::string>(document->bytes());
            if (QuizChecker::hasError(QuizChecker::checkBytes(*written)))
                return 1;
            if (written->size() > QuizDocument::MaxFileSize)
                return 2;
            *bytes = written.release();
            return 0;
        },
        -1);
}

} // extern "C"
