#pragma once

#include "QuizFile.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

class QuizHost;

// The running quiz: its lines, how far the user has got, the votes so far and the last result.
// It pages through twenty questions of five lines, counts one vote per answer and, after the
// twentieth, names the cast member with the most votes and offers to start again.
class ExtraQZT
{
public:
    static inline const std::filesystem::path DefaultQuizFile = "episode1.qzt";
    static constexpr std::int16_t LastQuestionStart = 100;

    explicit ExtraQZT(QuizHost &host);

    // Loads a quiz and shows its first question; the votes so far still count. Throws
    // QuizFileError, and then nothing has changed.
    void StartQuiz(const std::filesystem::path &path);
    // Loads a quiz the user has just chosen and starts a fresh vote on it. Throws QuizFileError,
    // and then nothing has changed, the votes included.
    void StartNewQuiz(const std::filesystem::path &path);

    void ShowNextQuestion();
    void RecordAnswer(int answer);

    // The file the current lines came from: the one a restart reloads.
    const std::filesystem::path &currentQuizFile() const { return quizFile; }

    QuizText QuizLines;
    std::int16_t QuestionStart = 0;
    std::array<std::int16_t, 4> Tallies {};
    std::string ResultName;
    std::string ResultSound;

private:
    // Returns false when the user chose to quit.
    bool ShowResults();
    void RestartQuiz();
    void chooseWinner();
    void chooseSound();
    void loadLines(const std::filesystem::path &path);

    QuizHost &host;
    std::filesystem::path quizFile = DefaultQuizFile;
};
