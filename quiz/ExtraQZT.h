// SPDX-License-Identifier: MIT
#pragma once

#include "QuizFile.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

class QuizHost;

// The running quiz: its lines, how far the user has got, the votes so far and the last result.
// It pages through twenty questions of five lines, counts one vote per answer and, after the
// twentieth, names the cast member with the most votes and offers to start again. The answers of
// the current pass are kept in order, so that the last ones can be taken back. It reaches the
// window only through QuizHost.
class ExtraQZT
{
public:
    // Votes for answers A to D, that is for the names on lines 101 to 104.
    using TallyCounts = std::array<std::int16_t, QuizAnswerCount>;
    // A vote for an answer whose tally is at the largest count is lost.
    static constexpr auto LargestTally = std::numeric_limits<TallyCounts::value_type>::max();

    static inline const std::filesystem::path DefaultQuizFile = "episode1.qzt";
    // QuestionStart while question 20 is on screen: the next answer brings the results.
    static constexpr auto LastQuestionStart = static_cast<std::int16_t>(QuizNameLine);

    explicit ExtraQZT(QuizHost &host);

    // Loads a quiz and shows its first question; the votes so far still count. Throws
    // QuizFileError, and then nothing has changed.
    void StartQuiz(const std::filesystem::path &path);
    // Loads a quiz the user has just chosen and starts a fresh vote on it. Throws QuizFileError,
    // and then nothing has changed, the votes included.
    void StartNewQuiz(const std::filesystem::path &path);
    // Starts a fresh vote on lines held in memory (a quiz being written); a restart replays them.
    void StartNewQuiz(const QuizText &lines);

    // Shows the next block of five lines; after the twentieth, the results come first.
    void ShowNextQuestion();
    // Counts one vote for answer 0 to 3 (A to D) and shows the next question.
    void RecordAnswer(int answer);
    // Takes back the last answer of this pass: shows the question it answered again and withdraws
    // its vote, leaving the tallies as if it had never been given. Does nothing at question 1,
    // which is also where every pass starts: after the results, after loading a quiz.
    void goBack();
    bool canGoBack() const { return !answers.empty(); }

    // The 104 lines of the quiz in use.
    const QuizText &QuizLines() const { return quizLines; }
    // The first line of the block the next answer moves to: 5 while question 1 is on screen,
    // LastQuestionStart while question 20 is.
    std::int16_t QuestionStart() const { return questionStart; }
    // The question on screen, 1 to 20; 0 before a quiz has been shown.
    int questionNumber() const { return questionStart / static_cast<int>(QuizBlockLines); }
    const TallyCounts &Tallies() const { return tallies; }
    // The name and the clip the last results chose; empty again once the quiz restarts.
    const std::string &ResultName() const { return resultName; }
    const std::string &ResultSound() const { return resultSound; }
    // The file the current lines came from: the one a restart reloads. Empty for lines from memory.
    const std::filesystem::path &currentQuizFile() const { return quizFile; }

    // Test hook: votes that twenty answers cannot give (a tally near its largest value).
    void setTalliesForTesting(const TallyCounts &counts) { tallies = counts; }

private:
    // One answer of the current pass; a vote that found its tally at the largest count was lost,
    // and so there is nothing to withdraw for it.
    struct GivenAnswer
    {
        int answer;
        bool counted;
    };

    // Shows the block of five lines that starts at line start.
    void showBlock(std::int16_t start);
    // Returns false when the user chose to quit.
    bool ShowResults();
    void RestartQuiz();
    void chooseWinner();
    void chooseSound();
    void loadLines(const std::filesystem::path &path);
    void startNewVote();

    QuizHost &host;
    std::filesystem::path quizFile = DefaultQuizFile;
    QuizText quizLines;
    std::int16_t questionStart = 0;
    TallyCounts tallies {};
    std::vector<GivenAnswer> answers;
    std::string resultName;
    std::string resultSound;
};
