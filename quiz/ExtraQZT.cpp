#include "ExtraQZT.h"

#include "QuizFileError.h"
#include "QuizHost.h"
#include "Utf8.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

const char *const ResultTitle = "Your results!";

// A name carrying direction controls is isolated, so that it cannot reverse the rest of the prompt.
std::string resultPrompt(const std::string &name)
{
    return "Your most compatible with " + Utf8::isolatedIfBidi(name) + "!, "
        + " If you would like to try again press ok.  If you want to quit hit cancel. ";
}

struct NamedSound
{
    const char *name;
    const char *sound;
};

constexpr std::array<NamedSound, 4> SoundTable { {
    { "Kest", "kestsound.wav" },
    { "Dorv", "dorvsound.wav" },
    { "Oro", "orosound.wav" },
    { "Bexal", "bexalsound.wav" },
} };

} // namespace

ExtraQZT::ExtraQZT(QuizHost &host) : host(host) { }

void ExtraQZT::loadLines(const std::filesystem::path &path)
{
    QuizLines = LoadQuizLines(path);
    quizFile = path;
}

void ExtraQZT::StartQuiz(const std::filesystem::path &path)
{
    loadLines(path);
    QuestionStart = 0;
    ShowNextQuestion();
}

void ExtraQZT::StartNewQuiz(const std::filesystem::path &path)
{
    loadLines(path);
    Tallies = {};
    ResultName.clear();
    ResultSound.clear();
    QuestionStart = 0;
    ShowNextQuestion();
}

void ExtraQZT::ShowNextQuestion()
{
    if (QuestionStart >= LastQuestionStart) {
        if (!ShowResults())
            return;
        QuestionStart = 0;
    }
    for (int i = 0; i < 5; ++i)
        host.setQuestionBox(i, QuizLines[QuestionStart + i]);
    QuestionStart += 5;
}

void ExtraQZT::RecordAnswer(int answer)
{
    auto &tally = Tallies.at(answer);
    // A vote past the largest count would overflow; it is better lost than fatal.
    if (tally < std::numeric_limits<std::int16_t>::max())
        ++tally;
    ShowNextQuestion();
}

bool ExtraQZT::ShowResults()
{
    chooseWinner();
    chooseSound();
    host.playSound(ResultSound);
    if (!host.askResults(resultPrompt(ResultName), ResultTitle)) {
        host.closeWindow();
        return false;
    }
    RestartQuiz();
    return true;
}

// The largest tally wins; on a tie the later name does.
void ExtraQZT::chooseWinner()
{
    const auto most = *std::max_element(Tallies.begin(), Tallies.end());
    for (std::size_t k = 0; k < Tallies.size(); ++k) {
        if (Tallies[k] == most)
            ResultName = QuizLines[QuizNameLine + k];
    }
}

void ExtraQZT::chooseSound()
{
    for (const auto &entry : SoundTable) {
        if (ResultName == entry.name)
            ResultSound = entry.sound;
    }
    if (ResultName.empty()) {
        ResultName = "all the guys";
        ResultSound = "main.wav";
    }
}

// Reloads the current quiz so that a file edited meanwhile is picked up. If it can no longer be
// loaded, the user is told and the quiz starts again from the lines already shown.
void ExtraQZT::RestartQuiz()
{
    try {
        StartQuiz(quizFile);
    } catch (const QuizFileError &error) {
        host.reportFileError(error.what());
    }
    Tallies = {};
    ResultSound.clear();
    ResultName.clear();
}
