// SPDX-License-Identifier: MIT
#include "QuizFileError.h"

#include <utility>

QuizFileError::QuizFileError(const std::filesystem::path &path, Message problem)
    : std::runtime_error(Message(Heading, { path.string(), problem.english() }).english()),
      file(path),
      reason(std::move(problem))
{
}
