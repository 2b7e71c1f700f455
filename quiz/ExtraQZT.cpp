// SPDX-License-Identifier: MIT
#include "ExtraQZT.h"

#include "Message.h"
#include "QuizFileError.h"
#include "QuizHost.h"
#include "ResultTexts.h"
#include "SoundClips.h"
#include "Utf8.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

// A name carrying direction controls is isolated, so that it cannot reverse the rest of the prompt.
Message resultPrompt(const std::string &name, bool noWinner)
{
    if (noWinner)
        return Message(ResultTexts::NoWinnerPrompt);
    return Message(ResultTexts::Prompt, { Utf8::isolatedIfBidi(name) });
}

// How a name appears in the results box: isolated, like the prompt's, when it holds direction controls.
std::string shownName(const QuizText &lines, std::size_t answer)
{
    return Utf8::isolatedIfBidi(lines[QuizNameLine + answer]);
}

// The votes behind the result: each name with its votes, in quiz order ("Kest: 6"), then, when
// the largest count is shared, who shares it.
std::vector<Message> resultDetails(const QuizText &lines, const ExtraQZT::TallyCounts &tallies)
{
    const auto most = *std::max_element(tallies.begin(), tallies.end());
    std::vector<Message> details;
    std::vector<std::string> tied;
    for (std::size_t k = 0; k < tallies.size(); ++k) {
        details.emplace_back(ResultTexts::Detail,
                             std::vector { shownName(lines, k), std::to_string(tallies[k]) });
        if (tallies[k] == most)
            tied.push_back(shownName(lines, k));
    }
    if (tied.size() > 1) {
        const char *tie = ResultTexts::Ties.at(tied.size());
        tied.push_back(std::to_string(most));
        details.emplace_back(tie, std::move(tied));
    }
    return details;
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
    // Question 1 starts a pass: there is nothing before it to take back.
    if (questionStart == 0)
        answers.clear();
    showBlock(questionStart);
}

void ExtraQZT::showBlock(std::int16_t start)
{
    for (std::size_t i = 0; i < QuizBlockLines; ++i)
        host.setQuestionBox(static_cast<int>(i), quizLines[start + i]);
    questionStart = static_cast<std::int16_t>(start + QuizBlockLines);
    host.questionShown(questionNumber());
}

void ExtraQZT::RecordAnswer(int answer)
{
    auto &tally = tallies.at(answer);
    // A vote past the largest count would overflow; it is better lost than fatal.
    const bool counted = tally < LargestTally;
    if (counted)
        ++tally;
    answers.push_back({ answer, counted });
    ShowNextQuestion();
}

void ExtraQZT::goBack()
{
    if (answers.empty())
        return;
    const GivenAnswer last = answers.back();
    answers.pop_back();
    if (last.counted)
        --tallies.at(last.answer);
    showBlock(static_cast<std::int16_t>(questionStart - 2 * QuizBlockLines));
}

bool ExtraQZT::ShowResults()
{
    // The pass is over, whatever the user chooses next.
    answers.clear();
    chooseWinner();
    const bool noWinner = resultName.empty();
    chooseSound();
    host.playSound(resultSound);
    if (!host.askResults(resultPrompt(resultName, noWinner), Message(ResultTexts::Title),
                         resultDetails(quizLines, tallies))) {
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
    if (const char *sound = soundClipFor(resultName))
        resultSound = sound;
    if (resultName.empty()) {
        resultName = ResultTexts::NoWinnerName;
        resultSound = NoWinnerSound;
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
