// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// JSON strings as the page's scripts hold them: every character outside ASCII, and <, > and &,
// written as \uXXXX (UTF-16, as JSON counts), so that no text can close a script, open a comment
// or break a line of it (U+2028), whatever the encoding the browser reads the file in.
class JsonText
{
public:
    // text is UTF-8; a byte that does not belong to a character stands for U+FFFD.
    static void appendString(std::string &json, std::string_view text);
    // As appendString, or null for an empty text.
    static void appendStringOrNull(std::string &json, std::string_view text);
};
