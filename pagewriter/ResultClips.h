// SPDX-License-Identifier: MIT
#pragma once

#include "QuizFile.h"

#include <array>
#include <functional>
#include <string>

// The clips a quiz's results play, as the window plays them: each name's own (SoundClips.h), and
// the clip of a result without a winner once any name is empty. The same choice for the program's
// export and the studio's, so that both name the same clips.
struct ResultClips
{
    // The clip of each name's result and of a result without a winner, by file; empty: none.
    std::array<std::string, QuizAnswerCount> names;
    std::string noWinner;

    // usable(file) gives the name the page knows the clip file by, or empty when the clip cannot be
    // played; it is asked in the order the results come, the no-winner clip last.
    using Usable = std::function<std::string(const char *file)>;
    static ResultClips of(const QuizText &lines, const Usable &usable);
};
