// SPDX-License-Identifier: MIT
// libFuzzer target for the studio's publisher in the WebAssembly build's entry points, built
// natively: whatever a quiz file holds, a document opened from it is published without an
// exception or a crash, as a page in one file (it holds the marker) or refused for the checker's
// errors; the page holds only the clips the quiz plays; and the player's data for it parses, with
// the quiz's lines as the window shows them.
#include "Finding.h"
#include "FuzzedQuiz.h"
#include "QuizChecker.h"
#include "QuizDocument.h"
#include "QuizFileError.h"
#include "QuizPublish.h"
#include "ResultClips.h"
#include "SinglePage.h"

#include <QJsonDocument>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <string>

namespace {

constexpr std::string_view Html
    = "<!DOCTYPE html>\n<html>\n<head>\n<meta http-equiv=\"Content-Security-Policy\" content=\"x\">\n"
      "<link rel=\"stylesheet\" href=\"style.css\">\n<script defer src=\"player.js\"></script>\n"
      "</head>\n<body>\n<img src=\"pictures/logo.png\" alt=\"\">\n</body>\n</html>\n";

void set(PublishKit *kit, int field, std::string_view text)
{
    if (quizwasm_kit_text(kit, field, text.data(), text.size()) != 0)
        finding("a kit's text was not taken");
}

void addMedia(PublishKit *kit, int kind, std::string_view name, std::string_view bytes)
{
    constexpr std::string_view type = "audio/wav";
    if (quizwasm_kit_media(kit, kind, name.data(), name.size(), type.data(), type.size(), bytes.data(),
                           bytes.size())
        != 0)
        finding("a kit's media was not taken");
}

// A kit with two of the clips, so that a quiz may name one the studio lacks.
std::unique_ptr<PublishKit, void (*)(PublishKit *)> newKit()
{
    std::unique_ptr<PublishKit, void (*)(PublishKit *)> kit(quizwasm_kit_new(), quizwasm_kit_free);
    set(kit.get(), 0, Html);
    set(kit.get(), 1, "p { color: red; }\n");
    set(kit.get(), 2, "{}");
    constexpr std::string_view part = "start();\n";
    quizwasm_kit_part(kit.get(), "player.js", 9, part.data(), part.size());
    addMedia(kit.get(), 0, "", "banner");
    addMedia(kit.get(), 0, "", "");
    addMedia(kit.get(), 3, "kestsound.wav", "RIFF kest");
    addMedia(kit.get(), 3, "main.wav", "RIFF main");
    return kit;
}

std::string taken(std::string *text)
{
    if (!text)
        finding("an entry point failed");
    std::string copy(*text);
    delete text;
    return copy;
}

// The clip files of the page's data block.
std::set<std::string> pageClips(const std::string &page)
{
    const std::size_t start = page.find("type=\"application/json\">");
    const std::size_t end = page.find("</script>", start);
    if (start == std::string::npos || end == std::string::npos)
        finding("the page has no data block");
    const std::size_t from = start + std::string_view("type=\"application/json\">").size();
    const QJsonDocument block
        = QJsonDocument::fromJson(QByteArray::fromStdString(page.substr(from, end - from)));
    std::set<std::string> files;
    for (const QString &file : block["sounds"].toObject().keys())
        files.insert(file.toStdString());
    return files;
}

std::set<std::string> playedClips(const QuizText &lines)
{
    const ResultClips clips = ResultClips::of(lines, [](const char *file) {
        const std::string_view name = file;
        return name == "kestsound.wav" || name == "main.wav" ? std::string(name) : std::string();
    });
    std::set<std::string> files(clips.names.begin(), clips.names.end());
    files.insert(clips.noWinner);
    files.erase("");
    return files;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    std::unique_ptr<QuizDocument> document;
    try {
        document = std::make_unique<QuizDocument>(QuizDocument::fromBytes(bytes, "f.qzt"));
    } catch (const QuizFileError &) {
        return 0;
    }
    const auto kit = newKit();
    std::string *page = nullptr;
    const int status = quizwasm_publish(kit.get(), document.get(), "f.qzt", 5, &page);
    const bool errors = QuizChecker::hasError(QuizChecker::checkBytes(document->bytes()));
    if (status != (errors ? 1 : 0))
        finding("the publisher's answer is not the checker's");
    if (status == 0) {
        const std::string published = taken(page);
        if (published.find(SinglePage::Marker) == std::string::npos)
            finding("the page does not hold the marker");
        if (pageClips(published) != playedClips(document->lines()))
            finding("the page's clips are not those the quiz plays");
    }
    const QByteArray tried
        = QByteArray::fromStdString(taken(quizwasm_try_data(kit.get(), document.get(), "f.qzt", 5)));
    const QJsonObject quiz = QJsonDocument::fromJson(tried).object()["quizzes"].toArray().first().toObject();
    checkReadsBack(quiz, document->lines());
    return 0;
}
