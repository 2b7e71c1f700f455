// SPDX-License-Identifier: MIT
// Plays quizzes read from standard input on the program's quiz engine and prints what the window
// would show, so that tests/web/engine_diff.js can hold the web page's engine to the same rules.
//
// Input, one case per line, fields separated by one blank:
//   NAME_A NAME_B NAME_C NAME_D TALLIES STEPS
// The names as hex bytes ("-" for an empty name); TALLIES "-", or four counts "a,b,c,d" set just
// after the start; STEPS the letters A to D for answers and "<" for Back ("-" for none).
// Output for each step: "S question tallyA tallyB tallyC tallyD", preceded, when the step brought
// the results (answered with OK), by "R winner clip prompt detail..." where the texts are hex of
// UTF-8, their quiz text decoded as the window decodes it (UTF-8, else Windows-1252). "E" ends a
// case.
//
// With --decode, each input line is instead a line of quiz text as hex bytes ("-" for none), and the
// output its text as the window shows it, as hex of UTF-8. With --lines FILE..., the output is the
// 104 lines of each file as the program reads and shows them, in the same form.
#include "ExtraQZT.h"
#include "LineText.h"
#include "Message.h"
#include "QuizFile.h"
#include "QuizFileError.h"
#include "QuizHost.h"

#include <array>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string fromHex(const std::string &hex)
{
    std::string bytes;
    if (hex == "-")
        return bytes;
    for (std::size_t at = 0; at + 1 < hex.size(); at += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(at, 2), nullptr, 16));
    return bytes;
}

std::string toHex(const std::string &bytes)
{
    if (bytes.empty())
        return "-";
    static constexpr const char *Digits = "0123456789abcdef";
    std::string hex;
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        hex += Digits[code >> 4];
        hex += Digits[code & 0xF];
    }
    return hex;
}

// The message in English with its quiz text decoded.
std::string shown(const Message &message)
{
    std::vector<std::string> arguments;
    for (const std::string &argument : message.arguments())
        arguments.push_back(LineText::toUtf8(argument));
    return Message(message.text(), arguments).english();
}

// Prints the results as they are asked and answers OK, which starts the quiz again.
class TracingHost : public QuizHost
{
public:
    void setQuestionBox(int /*index*/, const std::string & /*text*/) override { }
    void questionShown(int /*number*/) override { }
    void playSound(const std::string &fileName) override { clip = fileName; }
    bool askResults(const Message &prompt, const Message & /*title*/,
                    const std::vector<Message> &details) override
    {
        std::cout << "R " << toHex(LineText::toUtf8(engine->ResultName())) << ' ' << toHex(clip) << ' '
                  << toHex(shown(prompt));
        for (const Message &line : details)
            std::cout << ' ' << toHex(shown(line));
        std::cout << '\n';
        return true;
    }
    void reportFileError(const QuizFileError &error) override { std::cerr << error.what() << '\n'; }
    void closeWindow() override { }

    const ExtraQZT *engine = nullptr;

private:
    std::string clip;
};

QuizText quizWithNames(const std::array<std::string, QuizAnswerCount> &names)
{
    QuizText lines;
    for (std::size_t line = 0; line < QuizNameLine; ++line)
        lines.at(line) = "line " + std::to_string(line + 1);
    for (std::size_t k = 0; k < QuizAnswerCount; ++k)
        lines.at(QuizNameLine + k) = names.at(k);
    return lines;
}

ExtraQZT::TallyCounts talliesFrom(const std::string &field)
{
    ExtraQZT::TallyCounts tallies {};
    std::istringstream counts(field);
    std::string count;
    for (auto &tally : tallies) {
        std::getline(counts, count, ',');
        tally = static_cast<std::int16_t>(std::stoi(count));
    }
    return tallies;
}

void play(const std::string &line)
{
    std::istringstream fields(line);
    std::array<std::string, QuizAnswerCount> names;
    for (auto &name : names) {
        fields >> name;
        name = fromHex(name);
    }
    std::string tallies;
    std::string steps;
    fields >> tallies >> steps;

    TracingHost host;
    ExtraQZT quiz(host);
    host.engine = &quiz;
    quiz.StartNewQuiz(quizWithNames(names));
    if (tallies != "-")
        quiz.setTalliesForTesting(talliesFrom(tallies));
    for (const char step : steps) {
        if (step == '<')
            quiz.goBack();
        else if (step >= 'A' && step <= 'D')
            quiz.RecordAnswer(step - 'A');
        else
            continue;
        const auto &counts = quiz.Tallies();
        std::cout << "S " << quiz.questionNumber() << ' ' << counts[0] << ' ' << counts[1] << ' ' << counts[2]
                  << ' ' << counts[3] << '\n';
    }
    std::cout << "E\n";
}

int printLines(int count, char **files)
{
    for (int i = 0; i < count; ++i) {
        try {
            for (const std::string &line : LoadQuizLines(files[i]))
                std::cout << toHex(LineText::toUtf8(line)) << '\n';
        } catch (const QuizFileError &error) {
            std::cerr << error.what() << '\n';
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    std::ios::sync_with_stdio(false);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--lines")
        return printLines(argc - 2, argv + 2);
    std::string line;
    if (mode == "--decode") {
        while (std::getline(std::cin, line))
            std::cout << toHex(LineText::toUtf8(fromHex(line))) << '\n';
        return 0;
    }
    while (std::getline(std::cin, line)) {
        if (!line.empty())
            play(line);
    }
    return 0;
}
