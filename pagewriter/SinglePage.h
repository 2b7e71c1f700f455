// SPDX-License-Identifier: MIT
#pragma once

#include "PageData.h"
#include "PageScript.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

// The web page as one file that plays its quizzes with nothing else: the markup, the style sheet,
// one script (the data and the player) and, last, the pictures and clips as data: addresses in a
// data block the script reads once the page is read, so that the first question is painted before
// they arrive. Its Content-Security-Policy allows only what it holds: the script and the sheet by
// their SHA-256 hashes, pictures and clips from data: addresses.
class SinglePage
{
public:
    // What names the file as one of ours, in its head.
    static constexpr std::string_view Marker
        = R"(<meta name="generator" content="Brindlecast Match Maker single file">)";

    // A picture or clip as its file holds it; empty bytes: none.
    struct Media
    {
        std::string type; // its MIME type
        std::string bytes;
    };

    struct Input
    {
        std::string html;                      // the page of the folder export, web/index.html
        std::string style;                     // web/style.css
        std::vector<PageScript::Source> parts; // the player's parts, in the order they run
        std::string texts;                     // the JSON of the page's texts
        std::string web;
        std::string contact;
        std::vector<Media> banner;
        Media scrollpic;
        Media logo;
        // The quizzes, each clip named by its file, one of clips.
        std::vector<PageData::Quiz> quizzes;
        std::map<std::string, Media> clips;
    };

    // Gives the file a part at a time to add; the same input gives the same bytes.
    static void write(const Input &input, const PageData::Part &add);
    // The media as a data: address; empty for none.
    static std::string address(const Media &media);
    // The Content-Security-Policy of a file whose script and sheet have these hashes (base64).
    static std::string policy(std::string_view scriptHash, std::string_view styleHash);
};
