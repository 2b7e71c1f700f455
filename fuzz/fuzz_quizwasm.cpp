// SPDX-License-Identifier: MIT
// libFuzzer target for the WebAssembly build's entry points, built natively: every call answers
// without an exception or a crash; --check's lines come one for each finding; a file the document
// opens is saved back unchanged; and a text typed into a line, as the studio passes it (UTF-8),
// shows back as typed, whatever the file's encoding.
#include "Finding.h"
#include "LineText.h"
#include "QuizChecker.h"
#include "QuizDocument.h"
#include "QuizWasm.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// Takes a text the entry points made.
std::string taken(std::string *text)
{
    if (!text)
        finding("an entry point failed");
    std::string copy(quizwasm_text_data(text), quizwasm_text_size(text));
    quizwasm_text_free(text);
    return copy;
}

// What a field shows once a text is typed into it: line breaks become spaces.
std::string asShown(std::string text)
{
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

void checkTyping(QuizDocument *document, const std::string &bytes)
{
    const std::size_t index = bytes.size() % QuizLineCount;
    const std::string text = LineText::toUtf8(bytes.substr(bytes.size() / 2, 120));
    int status = quizwasm_set_line(document, index, text.data(), text.size());
    if (status == 1) {
        if (quizwasm_convert_to_utf8(document) != 0)
            finding("a document could not be converted to UTF-8");
        status = quizwasm_set_line(document, index, text.data(), text.size());
    }
    if (status != 0)
        finding("a typed text was not stored");
    if (LineText::toUtf8(document->lines()[index]) != asShown(text))
        finding("a typed text does not show back as typed");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const auto findings = QuizChecker::checkBytes(bytes);
    const std::string report = taken(
        quizwasm_check_report("f.qzt", 5, bytes.data(), bytes.size(), static_cast<double>(bytes.size())));
    if (static_cast<std::size_t>(std::count(report.begin(), report.end(), '\n')) != findings.size())
        finding("--check's lines are not one for each finding");
    taken(quizwasm_check(bytes.data(), bytes.size(), -1.0));

    std::string *problem = nullptr;
    QuizDocument *document = quizwasm_open(bytes.data(), bytes.size(), &problem);
    if (!document) {
        taken(problem);
        return 0;
    }
    std::string *saved = nullptr;
    if (quizwasm_save(document, &saved) != 0 || taken(saved) != bytes)
        finding("a file opened is not saved back unchanged");
    checkTyping(document, bytes);
    taken(quizwasm_lines(document));
    quizwasm_close(document);
    return 0;
}
