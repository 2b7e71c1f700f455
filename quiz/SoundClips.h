// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

// A cast member's name and the clip its result plays.
struct SoundClip
{
    const char *name;
    const char *sound;
};

// The names with a clip of their own, matched exactly (case and all); any other name plays none.
inline constexpr std::array<SoundClip, 4> SoundClips { {
    { "Kest", "kestsound.wav" },
    { "Dorv", "dorvsound.wav" },
    { "Oro", "orosound.wav" },
    { "Bexal", "bexalsound.wav" },
} };

// The clip of a result won by name, matched as above; nullptr for a name without one.
inline const char *soundClipFor(std::string_view name)
{
    for (const SoundClip &clip : SoundClips) {
        if (name == clip.name)
            return clip.sound;
    }
    return nullptr;
}

// The clip of a result without a winner (the winning name is empty): "all the guys".
inline constexpr const char *NoWinnerSound = "main.wav";
