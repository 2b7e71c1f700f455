// SPDX-License-Identifier: MIT
#pragma once

#include "QuizFile.h"
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
    bool askResults(const std::string &prompt, const std::string &title) override
    {
        prompts.push_back(prompt);
        titles.push_back(title);
        return answerOk;
    }
    void reportFileError(const std::string &message) override { errors.push_back(message); }
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
