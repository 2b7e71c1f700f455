// SPDX-License-Identifier: MIT
#pragma once

#include "Message.h"

#include <cstddef>

// One thing the checker found in a quiz file: where (a line from 1, or 0 for the file as a
// whole), how bad, and what, in words for the user.
struct QuizFinding
{
    // An error means the program refuses the file; a warning, that it loads but a quiz taker
    // would notice.
    enum class Severity { Error, Warning };

    std::size_t line;
    Severity severity;
    Message message;

    bool operator==(const QuizFinding &other) const = default;
};
