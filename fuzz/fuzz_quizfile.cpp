// SPDX-License-Identifier: MIT
// libFuzzer target for LoadQuizLines. Every input must either load as a quiz whose lines are
// exactly those a plain reading of the bytes gives, or be refused with a QuizFileError that names
// the file. Any other exception, a crash, a hang or a sanitizer report is a finding.

#include "Finding.h"
#include "InputFile.h"
#include "QuizFile.h"
#include "QuizFileError.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The quiz the bytes hold, read the simplest way: drop a leading byte-order mark, split at
// CR LF, LF or CR, and take 104 lines. None when the file is UTF-16, is short or has a line that
// is too long.
std::optional<QuizText> expectedQuiz(std::string_view bytes)
{
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return std::nullopt;
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    QuizText text;
    for (std::string &line : text) {
        if (bytes.empty())
            return std::nullopt;
        const std::size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
        if (end > QuizMaxLineLength)
            return std::nullopt;
        line = bytes.substr(0, end);
        const bool crlf = bytes.substr(end).starts_with("\r\n");
        bytes.remove_prefix(std::min(bytes.size(), end + (crlf ? 2 : 1)));
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static InputFile input("fuzz_quizfile");
    input.write(data, size);
    const std::optional<QuizText> expected
        = expectedQuiz(std::string_view(reinterpret_cast<const char *>(data), size));
    try {
        const QuizText text = LoadQuizLines(input.path);
        if (!expected)
            finding("a file that is not a quiz was loaded");
        if (text != *expected)
            finding("the lines loaded differ from the lines in the file");
    } catch (const QuizFileError &error) {
        if (expected)
            finding("a valid quiz was refused");
        if (std::string_view(error.what()).find(input.path.string()) == std::string_view::npos)
            finding("the error message does not name the file");
    }
    return 0;
}
