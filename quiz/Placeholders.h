// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

// Fills the places %1 to %9 of a template with the arguments in one pass, so an argument holding
// "%2" stays as it is (filling one argument after another would fill it too); a place without an
// argument stays as written. One routine for the engine's English texts (std::string and a vector
// of them) and for translated ones (QString and QStringList): both take their characters by index
// and compare them with char.
template<typename Text, typename Arguments>
Text fillPlaces(const Text &text, const Arguments &arguments)
{
    // The index of the place a digit names, or -1 for any other character.
    const auto placeOf = [](const auto &c) {
        constexpr char Digits[] = "123456789";
        for (int k = 0; k < 9; ++k) {
            if (c == Digits[k])
                return k;
        }
        return -1;
    };
    Text filled;
    const auto size = text.size();
    for (decltype(text.size()) at = 0; at < size; ++at) {
        const int place = text[at] == '%' && at + 1 < size ? placeOf(text[at + 1]) : -1;
        if (place >= 0 && static_cast<std::size_t>(place) < static_cast<std::size_t>(arguments.size())) {
            filled += arguments[place];
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}
