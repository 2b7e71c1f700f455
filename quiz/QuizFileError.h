// SPDX-License-Identifier: MIT
#pragma once

#include "Message.h"

#include <filesystem>
#include <stdexcept>

// A quiz file that cannot be used: which file, and what is wrong with it in words a user can act
// on. what() gives the whole message in English.
class QuizFileError : public std::runtime_error
{
public:
    // "Cannot load the quiz file "%1": %2", with the file and the problem.
    static constexpr const char *Heading = QT_TRANSLATE_NOOP("Quiz", "Cannot load the quiz file \"%1\": %2");

    QuizFileError(const std::filesystem::path &path, Message problem);

    const std::filesystem::path &path() const { return file; }
    const Message &problem() const { return reason; }

private:
    std::filesystem::path file;
    Message reason;
};
