// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

class Message;
class QuizFileError;

// What the quiz flow needs from the window it runs in. The flow never reaches the window or the
// platform in any other way.
class QuizHost
{
public:
    virtual ~QuizHost() = default;

    // Box 0 shows the question, boxes 1 to 4 the answers A to D.
    virtual void setQuestionBox(int index, const std::string &text) = 0;
    // Starts a sound clip in the background; an empty or missing file plays nothing.
    virtual void playSound(const std::string &fileName) = 0;
    // Question number (1 to 20) is now on screen: its five boxes have just been set.
    virtual void questionShown(int number) = 0;
    // Asks the results question with OK and Cancel; true for OK, false for Cancel or closing.
    // The details, one line each, are the votes behind the result, for the user who asks why.
    virtual bool askResults(const Message &prompt, const Message &title, const std::vector<Message> &details)
        = 0;
    // Tells the user that a quiz file could not be loaded.
    virtual void reportFileError(const QuizFileError &error) = 0;
    // Closes the window, which ends the program.
    virtual void closeWindow() = 0;
};
