// SPDX-License-Identifier: MIT
#pragma once

#include "Sha256.h"

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
    // The page with its style sheet, without the sheet's comments, written in where the page links
    // it; styleHash becomes the sheet's hash, by which the page's policy allows it.
    static std::string withStyle(std::string html, std::string_view sheet, std::string &styleHash);
    // The base64 of a SHA-256, as a Content-Security-Policy names a source by it.
    static std::string policyHash(const Sha256::Digest &digest);
    // The player's script: a licence line naming the parts, then the parts without comments.
    static std::string player(const std::vector<Source> &parts);
};
