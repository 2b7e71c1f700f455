// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The page's script and style as it loads them: the player's parts, each one concern, joined in the
// order they run, and the style sheet, without indentation, blank lines and lines holding only a
// comment, so that what the sources say to their reader costs the page nothing. Safe because no
// part has text that spans lines (eslint.config.js forbids it), nor the sheet.
class PageScript
{
public:
    struct Source
    {
        std::string name;
        std::string text;
    };

    static std::string withoutComments(std::string_view source);
    // The player's script: a licence line naming the parts, then the parts without comments.
    static std::string player(const std::vector<Source> &parts);
};
