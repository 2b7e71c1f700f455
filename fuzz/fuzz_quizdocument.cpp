// SPDX-License-Identifier: MIT
// libFuzzer target for the quiz editor's document. Bytes it accepts must come back unchanged
// when written with no edit, hold the lines the loader reads, and still read back as the
// document's lines after an edit that empties a line or fills it with bytes of the input.

#include "Finding.h"
#include "QuizChecker.h"
#include "QuizDocument.h"
#include "QuizFile.h"
#include "QuizFileError.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>

namespace {

// The 104 lines as the loader reads them from the bytes.
QuizText loaderLines(const std::string &bytes)
{
    std::stringbuf buffer(bytes, std::ios::in);
    QuizLineReader reader(buffer);
    readQuizFileStart(reader, "edited.qzt");
    return readQuizLines(reader, "edited.qzt");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    std::optional<QuizDocument> document;
    try {
        document = QuizDocument::fromBytes(bytes, "input.qzt");
    } catch (const QuizFileError &) {
        if (!QuizChecker::hasError(QuizChecker::checkBytes(bytes)))
            finding("a file the checker passes was refused");
        return 0;
    }
    if (document->bytes() != bytes)
        finding("the bytes written back differ from the bytes read");
    if (document->isModified() || loaderLines(bytes) != document->lines())
        finding("the document's lines are not the loader's");

    // An edit chosen by the input itself: which line, and what it becomes.
    const std::size_t line = size % QuizLineCount;
    document->setLine(line, size % 2 == 0 ? std::string() : bytes.substr(0, 200));
    try {
        if (loaderLines(document->bytes()) != document->lines())
            finding("an edited document does not read back as its lines");
    } catch (const QuizFileError &) {
        finding("an edited document was written in a form the loader refuses");
    }
    return 0;
}
