// SPDX-License-Identifier: MIT
// libFuzzer target for the quiz checker. On any bytes it must not crash, must report an error
// exactly when LoadQuizLines refuses the file, must say the same of the bytes as of the file and
// of the same first bytes of a file too large to read whole (but for what follows them), and must
// list its findings by line.

#include "Finding.h"
#include "InputFile.h"
#include "QuizChecker.h"
#include "QuizFile.h"
#include "QuizFileError.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool loads(const std::filesystem::path &path)
{
    try {
        LoadQuizLines(path);
        return true;
    } catch (const QuizFileError &) {
        return false;
    }
}

// The findings about the lines a file's first bytes hold: without those about where it ends.
std::vector<QuizFinding> aboutLines(std::vector<QuizFinding> findings)
{
    std::erase_if(findings, [](const QuizFinding &each) {
        const std::string text = each.message.text();
        return each.line == QuizLineCount + 1 || text.starts_with("the file ends after line")
            || text.starts_with("the file is empty");
    });
    return findings;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static InputFile input("fuzz_quizchecker");
    input.write(data, size);
    const auto findings = QuizChecker::checkFile(input.path);
    if (QuizChecker::hasError(findings) == loads(input.path))
        finding("the checker and the loader disagree about the file");
    if (QuizChecker::checkBytes(std::string(reinterpret_cast<const char *>(data), size)) != findings)
        finding("the file and its bytes give different findings");
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    if (QuizChecker::checkStart(bytes, size) != findings)
        finding("the first bytes with the file's size and the file give different findings");
    if (aboutLines(QuizChecker::checkStart(bytes, size + QuizChecker::PrefixBytes)) != aboutLines(findings))
        finding("the first bytes of a larger file say something else of its lines");
    const auto byLine = [](const QuizFinding &a, const QuizFinding &b) { return a.line < b.line; };
    if (!std::is_sorted(findings.begin(), findings.end(), byLine))
        finding("the findings are not in line order");
    for (const QuizFinding &each : findings) {
        if (each.line > QuizLineCount + 1 || each.message.english().empty())
            finding("a finding has no place in the file or no words");
    }
    return 0;
}
