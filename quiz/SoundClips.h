// SPDX-License-Identifier: MIT
#pragma once

#include <array>

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

// The clip of a result without a winner (the winning name is empty): "all the guys".
inline constexpr const char *NoWinnerSound = "main.wav";
