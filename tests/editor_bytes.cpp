// SPDX-License-Identifier: MIT
// Prints the bytes the quiz editor writes for a file, so that tests/wasm/check_diff.js can hold
// the WebAssembly build to the same document.
//   editor_bytes FILE               the file opened and saved with no edit
//   editor_bytes FILE --lines       the 104 lines as the editor shows them, in UTF-8, one a line
//   editor_bytes FILE LINE HEX      line LINE (from 1) typed as the UTF-8 text in HEX ("-" for an
//                                   empty text) before saving; a Windows-1252 quiz that cannot hold
//                                   the text is converted to UTF-8, as the editor does when asked
// The bytes go to standard output. Exit status 3 when the editor refuses to open the file (the
// problem in English on standard error), 4 when it refuses to save the quiz for its errors, 5 when
// the file would be too large for it to open again.
#include "QuizChecker.h"
#include "QuizDocument.h"
#include "QuizFileError.h"
#include "TextDecoder.h"
#include "TextEncoder.h"

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

namespace {

QString fromHex(const std::string &hex)
{
    return hex == "-" ? QString() : QString::fromUtf8(QByteArray::fromHex(QByteArray::fromStdString(hex)));
}

std::optional<std::string> encoded(const QuizDocument &document, const QString &text)
{
    if (document.encoding() == QuizDocument::Encoding::Windows1252)
        return TextEncoder::toWindows1252(text);
    return TextEncoder::toUtf8(text);
}

// What the editor does with a field typed in, the question to convert answered with OK.
void type(QuizDocument &document, std::size_t index, const QString &text)
{
    std::optional<std::string> bytes = encoded(document, text);
    if (!bytes) {
        for (std::size_t i = 0; i < QuizLineCount; ++i)
            document.setLine(i, TextEncoder::toUtf8(TextDecoder::decode(document.lines()[i])));
        document.setEncoding(QuizDocument::Encoding::Utf8);
        bytes = TextEncoder::toUtf8(text);
    }
    document.setLine(index, std::move(*bytes));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2 || argc > 4) {
        std::cerr << "usage: editor_bytes FILE [--lines | LINE HEX]\n";
        return 2;
    }
    try {
        QuizDocument document = QuizDocument::load(argv[1]);
        if (argc == 3 && std::string(argv[2]) == "--lines") {
            for (const std::string &line : document.lines())
                std::cout << TextDecoder::decode(line).toStdString() << '\n';
            return 0;
        }
        if (argc == 4)
            type(document, std::stoul(argv[2]) - 1, fromHex(argv[3]));
        const std::string bytes = document.bytes();
        if (QuizChecker::hasError(QuizChecker::checkBytes(bytes)))
            return 4;
        if (bytes.size() > QuizDocument::MaxFileSize)
            return 5;
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const QuizFileError &error) {
        std::cerr << error.problem().english() << '\n';
        return 3;
    }
}
