// SPDX-License-Identifier: MIT
#include "SinglePage.h"

#include "Base64.h"
#include "JsonText.h"
#include "Sha256.h"

namespace {

// What an <img> shows until its picture arrives: one transparent pixel (the element is hidden).
constexpr std::string_view Placeholder
    = "data:image/gif;base64,R0lGODlhAQABAIAAAAAAAP///yH5BAEAAAAALAAAAAABAAEAAAIBRAA7";

// Replaces the element that starts with start and ends at the next end with what.
void replaceElement(std::string &html, std::string_view start, std::string_view end, std::string_view what)
{
    const std::size_t from = html.find(start);
    if (from == std::string::npos)
        return;
    const std::size_t to = html.find(end, from + start.size());
    if (to != std::string::npos)
        html.replace(from, to + end.size() - from, what);
}

// The page's own pictures stand in a src="pictures/..." each; the data block brings them.
void replacePictures(std::string &html)
{
    constexpr std::string_view source = " src=\"pictures/";
    for (std::size_t at = html.find(source); at != std::string::npos; at = html.find(source, at)) {
        const std::size_t end = html.find('"', at + source.size());
        html.replace(at, end + 1 - at, " src=\"" + std::string(Placeholder) + '"');
        at += Placeholder.size();
    }
}

// The lines of the markup that load a script file go; the one script comes at the end of the body.
void removeScriptFiles(std::string &html)
{
    for (std::size_t at = html.find("<script "); at != std::string::npos; at = html.find("<script ", at)) {
        const std::size_t end = html.find('\n', at);
        html.erase(at, end == std::string::npos ? std::string::npos : end + 1 - at);
    }
}

void script(const SinglePage::Input &input, const PageData::Part &add)
{
    std::vector<PageData::Quiz> silent;
    silent.reserve(input.quizzes.size());
    for (const PageData::Quiz &quiz : input.quizzes)
        silent.push_back({ quiz.name, quiz.lines, {}, {} });
    PageData::write(input.texts, { {}, {}, {}, input.web, input.contact }, silent, add);
    add(PageScript::player(input.parts));
}

void appendClipNames(std::string &json, const std::vector<PageData::Quiz> &quizzes)
{
    json += '[';
    for (std::size_t i = 0; i < quizzes.size(); ++i) {
        json += i > 0 ? ",[" : "[";
        for (std::size_t k = 0; k < quizzes[i].clips.size(); ++k) {
            if (k > 0)
                json += ',';
            JsonText::appendStringOrNull(json, quizzes[i].clips[k]);
        }
        json += ']';
    }
    json += ']';
}

void appendNoWinnerClipNames(std::string &json, const std::vector<PageData::Quiz> &quizzes)
{
    json += '[';
    for (std::size_t i = 0; i < quizzes.size(); ++i) {
        if (i > 0)
            json += ',';
        JsonText::appendStringOrNull(json, quizzes[i].noWinnerClip);
    }
    json += ']';
}

// {"banner":[...],"clips":[[...],...],"logo":...,"noWinnerClips":[...],"scrollpic":...,
// "sounds":{"FILE":...}}: each quiz's clips by file name, and each file's address once. A picture
// or clip goes out as a part of its own.
void media(const SinglePage::Input &input, const PageData::Part &add)
{
    std::string json = "{\"banner\":[";
    for (std::size_t i = 0; i < input.banner.size(); ++i) {
        if (i > 0)
            json += ',';
        JsonText::appendStringOrNull(json, SinglePage::address(input.banner[i]));
        add(json);
        json.clear();
    }
    json += "],\"clips\":";
    appendClipNames(json, input.quizzes);
    json += ",\"logo\":";
    JsonText::appendStringOrNull(json, SinglePage::address(input.logo));
    json += ",\"noWinnerClips\":";
    appendNoWinnerClipNames(json, input.quizzes);
    json += ",\"scrollpic\":";
    JsonText::appendStringOrNull(json, SinglePage::address(input.scrollpic));
    json += ",\"sounds\":{";
    bool first = true;
    for (const auto &[file, clip] : input.clips) {
        if (!first)
            json += ',';
        first = false;
        JsonText::appendString(json, file);
        json += ':';
        JsonText::appendStringOrNull(json, SinglePage::address(clip));
        add(json);
        json.clear();
    }
    add(json + "}}");
}

} // namespace

std::string SinglePage::address(const Media &media)
{
    if (media.bytes.empty())
        return {};
    return "data:" + media.type + ";base64," + Base64::encode(media.bytes);
}

std::string SinglePage::policy(std::string_view scriptHash, std::string_view styleHash)
{
    return "default-src 'none'; script-src 'sha256-" + std::string(scriptHash) + "'; style-src 'sha256-"
        + std::string(styleHash)
        + "'; img-src data:; media-src data:; connect-src 'none'; object-src 'none'; base-uri 'none'; "
          "form-action 'none'";
}

void SinglePage::write(const Input &input, const PageData::Part &add)
{
    Sha256 scriptHash;
    script(input, [&](std::string_view part) { scriptHash.add(part); });
    std::string styleHash;
    std::string html = PageScript::withStyle(input.html, input.style, styleHash);
    replaceElement(html, "<meta http-equiv=\"Content-Security-Policy\"", ">",
                   std::string(Marker) + "\n<meta http-equiv=\"Content-Security-Policy\" content=\""
                       + policy(PageScript::policyHash(scriptHash.finish()), styleHash) + "\">");
    removeScriptFiles(html);
    replacePictures(html);
    const std::size_t body = html.rfind("</body>");
    const std::size_t split = body == std::string::npos ? html.size() : body;
    add(std::string_view(html).substr(0, split));
    add("<script>");
    script(input, add);
    add("</script>\n<script id=\"media\" type=\"application/json\">");
    media(input, add);
    add("</script>\n");
    add(std::string_view(html).substr(split));
}
