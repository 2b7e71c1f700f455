// SPDX-License-Identifier: MIT
#include "ExtraQZT.h"

#include "Message.h"
#include "QuizFileError.h"
#include "QuizHost.h"
#include "SoundClips.h"
#include "Utf8.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// A name carrying direction controls is isolated, so that it cannot reverse the rest of the prompt.
Message resultPrompt(const std::string &name)
{
    return Message(QT_TRANSLATE_NOOP("Quiz",
                                     "Your most compatible with %1!,  If you would like to try again press "
                                     "ok.  If you want to quit hit cancel. "),
                   { Utf8::isolatedIfBidi(name) });
}

} // namespace

ExtraQZT::ExtraQZT(QuizHost &host) : host(host) { }

void ExtraQZT::loadLines(const std::filesystem::path &path)
{
    quizLines = LoadQuizLines(path);
    quizFile = path;
}

void ExtraQZT::StartQuiz(const std::filesystem::path &path)
{
    loadLines(path);
    questionStart = 0;
    ShowNextQuestion();
}

void ExtraQZT::StartNewQuiz(const std::filesystem::path &path)
{
    loadLines(path);
    startNewVote();
}

void ExtraQZT::StartNewQuiz(const QuizText &lines)
{
    quizLines = lines;
    quizFile.clear();
    startNewVote();
}

void ExtraQZT::startNewVote()
{
    tallies = {};
    resultName.clear();
    resultSound.clear();
    questionStart = 0;
    ShowNextQuestion();
}

void ExtraQZT::ShowNextQuestion()
{
    if (questionStart >= LastQuestionStart) {
        if (!ShowResults())
            return;
        questionStart = 0;
    }
    for (std::size_t i = 0; i < QuizBlockLines; ++i)
        host.setQuestionBox(static_cast<int>(i), quizLines[questionStart + i]);
    questionStart = static_cast<std::int16_t>(questionStart + QuizBlockLines);
}

void ExtraQZT::RecordAnswer(int answer)
{
    auto &tally = tallies.at(answer);
    // A vote past the largest count would overflow; it is better lost than fatal.
    if (tally < std::numeric_limits<std::int16_t>::max())
        ++tally;
    ShowNextQuestion();
}

bool ExtraQZT::ShowResults()
{
    chooseWinner();
    chooseSound();
    host.playSound(resultSound);
    if (!host.askResults(resultPrompt(resultName), Message(QT_TRANSLATE_NOOP("Quiz", "Your results!")))) {
        host.closeWindow();
        return false;
    }
    RestartQuiz();
    return true;
}

// The largest tally wins; on a tie the later name does.
void ExtraQZT::chooseWinner()
{
    const auto most = *std::max_element(tallies.begin(), tallies.end());
    for (std::size_t k = 0; k < tallies.size(); ++k) {
        if (tallies[k] == most)
            resultName = quizLines[QuizNameLine + k];
    }
}

void ExtraQZT::chooseSound()
{
    for (const auto &entry : SoundClips) {
        if (resultName == entry.name)
            resultSound = entry.sound;
    }
    if (resultName.empty()) {
        resultName = "all the guys";
        resultSound = "main.wav";
    }
}

// Reloads the current quiz so that a file edited meanwhile is picked up, and clears the vote;
// ShowNextQuestion, which brought the results, then shows question 1. If the file can no longer
// be loaded, the user is told and the quiz starts again from the lines already shown, as a quiz
// from memory does.
void ExtraQZT::RestartQuiz()
{
    try {
        if (!quizFile.empty())
            loadLines(quizFile);
    } catch (const QuizFileError &error) {
        host.reportFileError(error);
    }
    tallies = {};
    resultSound.clear();
    resultName.clear();
}
