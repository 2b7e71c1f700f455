// SPDX-License-Identifier: MIT
#pragma once

#include "Message.h"
#include "QuizFile.h"
#include "QuizFileError.h"
#include "QuizHost.h"

#include <array>
#include <string>
#include <vector>

// Records what the quiz flow asks of its window and answers the results question as told.
class FakeQuizHost : public QuizHost
{
public:
    void setQuestionBox(int index, const std::string &text) override
    {
        boxes.at(index) = text;
        ++boxWrites;
    }
    void questionShown(int number) override { shownQuestion = number; }
    void playSound(const std::string &fileName) override { sounds.push_back(fileName); }
    bool askResults(const Message &prompt, const Message &title, const std::vector<Message> &lines) override
    {
        prompts.push_back(prompt.english());
        titles.push_back(title.english());
        details.emplace_back();
        for (const Message &line : lines)
            details.back().emplace_back(line.english());
        return answerOk;
    }
    void reportFileError(const QuizFileError &error) override { errors.emplace_back(error.what()); }
    void closeWindow() override { ++closes; }

    std::array<std::string, QuizBlockLines> boxes;
    int boxWrites = 0;
    int shownQuestion = 0;
    std::vector<std::string> sounds;
    std::vector<std::string> prompts;
    std::vector<std::string> titles;
    // The details of each results question, in English, one line per entry.
    std::vector<std::vector<std::string>> details;
    std::vector<std::string> errors;
    int closes = 0;
    bool answerOk = true;
};
