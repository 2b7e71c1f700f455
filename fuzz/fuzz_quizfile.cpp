// SPDX-License-Identifier: MIT
// libFuzzer target for LoadQuizLines. Every input must either load as a quiz whose lines are
// exactly those a plain reading of the bytes gives, or be refused with a QuizFileError that names
// the file. Any other exception, a crash, a hang or a sanitizer report is a finding.

#include "QuizFile.h"
#include "QuizFileError.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// LoadQuizLines reads a path, so each input is written to an anonymous in-memory file (memfd)
// and read back through its /proc/self/fd path. The file lives as long as the process and leaves
// nothing behind, even when a finding ends the process.
class InputFile
{
public:
    InputFile() : descriptor(memfd_create("fuzz_quizfile", MFD_CLOEXEC))
    {
        if (descriptor < 0) {
            std::perror("memfd_create");
            std::abort();
        }
        path = "/proc/self/fd/" + std::to_string(descriptor);
    }

    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    void write(const std::uint8_t *data, std::size_t size)
    {
        if (ftruncate(descriptor, 0) != 0)
            std::abort();
        for (std::size_t done = 0; done < size;) {
            const ssize_t written = pwrite(descriptor, data + done, size - done, static_cast<off_t>(done));
            if (written <= 0)
                std::abort();
            done += static_cast<std::size_t>(written);
        }
    }

    std::filesystem::path path;

private:
    int descriptor;
};

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

[[noreturn]] void finding(const char *what)
{
    std::fprintf(stderr, "fuzz_quizfile: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static InputFile input;
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
