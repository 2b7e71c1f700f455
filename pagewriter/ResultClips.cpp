// SPDX-License-Identifier: MIT
#include "ResultClips.h"

#include "SoundClips.h"

ResultClips ResultClips::of(const QuizText &lines, const Usable &usable)
{
    ResultClips clips;
    bool anyEmptyName = false;
    for (std::size_t k = 0; k < QuizAnswerCount; ++k) {
        const std::string &name = lines[QuizNameLine + k];
        anyEmptyName = anyEmptyName || name.empty();
        if (const char *sound = soundClipFor(name))
            clips.names[k] = usable(sound);
    }
    if (anyEmptyName)
        clips.noWinner = usable(NoWinnerSound);
    return clips;
}
