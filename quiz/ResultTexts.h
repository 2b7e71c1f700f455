// SPDX-License-Identifier: MIT
#pragma once

#include "Message.h"
#include "QuizFile.h"

#include <array>

// The words of the results, in English, as the engine says them and the catalogues translate them
// (the context "Quiz"). The window shows them through the engine; the web export hands the same to
// the page's engine.
struct ResultTexts
{
    static constexpr const char *Title = QT_TRANSLATE_NOOP("Quiz", "Your results!");
    static constexpr const char *Prompt = QT_TRANSLATE_NOOP(
        "Quiz",
        "Your most compatible with %1!,  If you would like to try again press ok.  If you want to quit hit "
        "cancel. ");
    // With no winner the prompt names "all the guys", which, unlike a name from the quiz, is the
    // program's own text and so is translated with the rest of the prompt.
    static constexpr const char *NoWinnerPrompt = QT_TRANSLATE_NOOP(
        "Quiz",
        "Your most compatible with all the guys!,  If you would like to try again press ok.  If you want "
        "to quit hit cancel. ");
    // The result's name when there is no winner.
    static constexpr const char *NoWinnerName = "all the guys";
    // A name with its votes ("Kest: 6").
    static constexpr const char *Detail = QT_TRANSLATE_NOOP("Quiz", "%1: %2");
    // Who shares the largest count, by how many names share it (two to four); the names come
    // first, then the count.
    static constexpr auto Ties = std::to_array<const char *>({
        nullptr,
        nullptr,
        QT_TRANSLATE_NOOP("Quiz", "%1 and %2 tied with %3 votes each; the later name wins."),
        QT_TRANSLATE_NOOP("Quiz", "%1, %2 and %3 tied with %4 votes each; the later name wins."),
        QT_TRANSLATE_NOOP("Quiz", "%1, %2, %3 and %4 tied with %5 votes each; the later name wins."),
    });
    static_assert(Ties.size() == QuizAnswerCount + 1, "a tie line for every number of names that can tie");
};
