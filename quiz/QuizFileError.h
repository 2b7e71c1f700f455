// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>
#include <string>

// A quiz file that cannot be used. The message names the file and says what is wrong with it,
// in words a user can act on.
class QuizFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
