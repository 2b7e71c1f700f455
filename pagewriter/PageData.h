// SPDX-License-Identifier: MIT
#pragma once

#include "QuizFile.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The data the web page reads from its script: "window.MatchMakerTexts = TEXTS;" and
// "window.MatchMakerQuizzes = {...};", compact JSON with its keys in order (JsonText's strings).
// The JSON is written straight from the quizzes' lines, a quiz at a time, so that a quiz is never
// held as a document beside its lines.
class PageData
{
public:
    using Part = std::function<void(std::string_view part)>;

    // What the page shows besides the quizzes; every picture is an address, empty for none.
    struct Page
    {
        std::vector<std::string> banner; // the banner's pictures by number
        std::string scrollpic;
        std::string logo;
        std::string web;
        std::string contact;
    };

    struct Quiz
    {
        std::string name; // UTF-8, as the choice of quizzes names it
        const QuizText *lines = nullptr;
        // The address of the clip of each name's result and of a result without a winner; empty:
        // none.
        std::array<std::string, QuizAnswerCount> clips;
        std::string noWinnerClip;
    };

    // One quiz as the page takes it: its name, its 104 lines as text (as the window shows them:
    // LineText), its clips.
    static std::string quiz(const Quiz &quiz);
    // The numbers of the quiz's rules and the engine's words in English (the page translates them
    // by its texts), so that the page's engine holds no copy of either.
    static std::string rules();
    // Both assignments, given to add a part at a time: one quiz is made only when the one before
    // has been added. texts is the JSON of the page's texts (its strings as JsonText writes them).
    static void write(std::string_view texts, const Page &page, const std::vector<Quiz> &quizzes,
                      const Part &add);
    // The quizzes' object alone, as write assigns it: what a page is given when it is handed the
    // data instead of reading it from a script.
    static void writeQuizzes(const Page &page, const std::vector<Quiz> &quizzes, const Part &add);
};
