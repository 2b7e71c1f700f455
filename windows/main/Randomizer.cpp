// SPDX-License-Identifier: MIT
#include "Randomizer.h"

#include <bit>
#include <chrono>
#include <cmath>

namespace {

constexpr std::uint64_t goldenGamma = 0x9E3779B97F4A7C15ULL;
constexpr int floatMantissaBits = 24;
constexpr int pictureCount = 10;

// The splitmix64 finaliser: a bijection on 64-bit words that spreads every input bit over the output.
std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

Randomizer::Randomizer(std::uint64_t seed) : state(seed) { }

Randomizer Randomizer::fromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return Randomizer(mix(static_cast<std::uint64_t>(std::chrono::nanoseconds(now).count())));
}

void Randomizer::Randomize(double n)
{
    // Folding the number's bits into the state (through a bijection) keeps the history of earlier
    // draws and seeds, so equal numbers give different states at different times.
    state = mix(state ^ mix(std::bit_cast<std::uint64_t>(n) + goldenGamma));
}

float Randomizer::Rnd()
{
    return unitFromBits(next());
}

float Randomizer::unitFromBits(std::uint64_t bits)
{
    // A float holds 24 significant bits, so this integer times 2^-24 is exact and at most 1 - 2^-24.
    return static_cast<float>(bits >> (64 - floatMantissaBits)) * 0x1.0p-24f;
}

int Randomizer::pictureNumber(float r)
{
    const double number = std::floor(static_cast<double>(r) * pictureCount + 1);
    if (!(number >= 1)) // also catches NaN
        return 1;
    return number >= pictureCount ? pictureCount : static_cast<int>(number);
}

std::uint64_t Randomizer::next()
{
    state += goldenGamma;
    return mix(state);
}
