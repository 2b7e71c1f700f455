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
    void playSound(const std::string &fileName) override { sounds.push_back(fileName); }
    bool askResults(const Message &prompt, const Message &title) override
    {
        prompts.push_back(prompt.english());
        titles.push_back(title.english());
        return answerOk;
    }
    void reportFileError(const QuizFileError &error) override { errors.emplace_back(error.what()); }
    void closeWindow() override { ++closes; }

    std::array<std::string, QuizBlockLines> boxes;
    int boxWrites = 0;
    std::vector<std::string> sounds;
    std::vector<std::string> prompts;
    std::vector<std::string> titles;
    std::vector<std::string> errors;
    int closes = 0;
    bool answerOk = true;
};
