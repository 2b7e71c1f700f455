// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// The pseudo-random generator of the picture banner: splitmix64 over a 64-bit state.
// Randomize(n) mixes n into the current state instead of restarting a fixed sequence, so a
// caller that re-seeds with the same number before every draw still gets varying numbers.
class Randomizer
{
public:
    explicit Randomizer(std::uint64_t seed);
    // Seeded from the clock, for the running program; tests give a seed instead.
    static Randomizer fromClock();

    void Randomize(double n);
    // A draw r with 0 <= r < 1, uniform over the multiples of 2^-24.
    float Rnd();

    // The 24 high bits of a 64-bit draw as a float in [0, 1); exact, so it never rounds up to 1.
    static float unitFromBits(std::uint64_t bits);
    // floor(r * 10 + 1), kept within 1..10 whatever r is.
    static int pictureNumber(float r);

private:
    std::uint64_t next();

    std::uint64_t state;
};
