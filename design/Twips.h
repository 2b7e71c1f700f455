// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

// The window's design is measured in twips: 1440 to the inch, 15 to a pixel at 96 dots per inch.
namespace Twips {

inline constexpr int PerPixel = 15;

// Rounded to the nearest pixel, halves away from zero.
constexpr int toPixels(int twips)
{
    return twips >= 0 ? (twips + PerPixel / 2) / PerPixel : -((-twips + PerPixel / 2) / PerPixel);
}

constexpr int fromPixels(int pixels)
{
    return pixels * PerPixel;
}

} // namespace Twips
