// SPDX-License-Identifier: MIT
#include "PageData.h"

#include "ExtraQZT.h"
#include "JsonText.h"
#include "LineText.h"
#include "ResultTexts.h"

namespace {

void appendMember(std::string &json, const char *key)
{
    json += '"';
    json += key;
    json += "\":";
}

void appendNumber(std::string &json, const char *key, long long number)
{
    appendMember(json, key);
    json += std::to_string(number);
    json += ',';
}

void appendText(std::string &json, const char *key, const char *text)
{
    appendMember(json, key);
    JsonText::appendString(json, text);
}

} // namespace

std::string PageData::rules()
{
    std::string json = "{";
    appendNumber(json, "blockLines", QuizBlockLines);
    appendNumber(json, "largestTally", ExtraQZT::LargestTally);
    appendNumber(json, "nameLine", QuizNameLine);
    appendNumber(json, "questions", QuizQuestionCount);
    appendMember(json, "texts");
    json += '{';
    appendText(json, "detail", ResultTexts::Detail);
    json += ',';
    appendText(json, "noWinnerName", ResultTexts::NoWinnerName);
    json += ',';
    appendText(json, "noWinnerPrompt", ResultTexts::NoWinnerPrompt);
    json += ',';
    appendText(json, "prompt", ResultTexts::Prompt);
    json += ',';
    appendMember(json, "ties");
    json += '[';
    for (std::size_t i = 0; i < ResultTexts::Ties.size(); ++i) {
        if (i > 0)
            json += ',';
        JsonText::appendStringOrNull(json, ResultTexts::Ties[i] ? ResultTexts::Ties[i] : "");
    }
    json += "],";
    appendText(json, "title", ResultTexts::Title);
    return json + "}}";
}

std::string PageData::quiz(const Quiz &quiz)
{
    std::string json = "{\"clips\":[";
    for (std::size_t k = 0; k < quiz.clips.size(); ++k) {
        if (k > 0)
            json += ',';
        JsonText::appendStringOrNull(json, quiz.clips[k]);
    }
    json += "],\"lines\":[";
    for (std::size_t i = 0; i < quiz.lines->size(); ++i) {
        if (i > 0)
            json += ',';
        JsonText::appendString(json, LineText::toUtf8((*quiz.lines)[i]));
    }
    json += "],\"name\":";
    JsonText::appendString(json, quiz.name);
    json += ",\"noWinnerClip\":";
    JsonText::appendStringOrNull(json, quiz.noWinnerClip);
    return json + '}';
}

void PageData::write(std::string_view texts, const Page &page, const std::vector<Quiz> &quizzes,
                     const Part &add)
{
    add("window.MatchMakerTexts = " + std::string(texts) + ";\nwindow.MatchMakerQuizzes = ");
    writeQuizzes(page, quizzes, add);
    add(";\n");
}

void PageData::writeQuizzes(const Page &page, const std::vector<Quiz> &quizzes, const Part &add)
{
    std::string script = "{";
    appendMember(script, "banner");
    script += '[';
    for (std::size_t i = 0; i < page.banner.size(); ++i) {
        if (i > 0)
            script += ',';
        JsonText::appendStringOrNull(script, page.banner[i]);
    }
    script += "],";
    appendMember(script, "contact");
    JsonText::appendString(script, page.contact);
    script += ',';
    appendMember(script, "logo");
    JsonText::appendStringOrNull(script, page.logo);
    script += ',';
    appendMember(script, "quizzes");
    add(script + '[');
    for (std::size_t i = 0; i < quizzes.size(); ++i)
        add(i > 0 ? ',' + quiz(quizzes[i]) : quiz(quizzes[i]));
    script = "],";
    appendMember(script, "rules");
    script += rules();
    script += ',';
    appendMember(script, "scrollpic");
    JsonText::appendStringOrNull(script, page.scrollpic);
    script += ',';
    appendMember(script, "web");
    JsonText::appendString(script, page.web);
    add(script + '}');
}
