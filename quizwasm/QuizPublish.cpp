// SPDX-License-Identifier: MIT
#include "QuizPublish.h"

#include "EntryPoint.h"
#include "PageData.h"
#include "QuizChecker.h"
#include "QuizDocument.h"
#include "ResultClips.h"
#include "SinglePage.h"

#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// What the program puts around a quiz in the page as one file, and every clip a quiz may play, of
// which a page holds only those its quiz plays.
struct PublishKit
{
    SinglePage::Input page; // without quizzes and clips
    std::map<std::string, SinglePage::Media> clips;
};

namespace {

// The clips of the quiz's results among the kit's, by file name.
ResultClips clipsFor(const PublishKit &kit, const QuizText &lines)
{
    return ResultClips::of(lines, [&](const char *file) {
        return kit.clips.count(file) > 0 ? std::string(file) : std::string();
    });
}

SinglePage::Input pageFor(const PublishKit &kit, const QuizText &lines, std::string name)
{
    SinglePage::Input input = kit.page;
    const ResultClips clips = clipsFor(kit, lines);
    for (const std::string &file : clips.names) {
        if (!file.empty())
            input.clips[file] = kit.clips.at(file);
    }
    if (!clips.noWinner.empty())
        input.clips[clips.noWinner] = kit.clips.at(clips.noWinner);
    input.quizzes = { { std::move(name), &lines, clips.names, clips.noWinner } };
    return input;
}

std::string clipAddress(const PublishKit &kit, const std::string &file)
{
    return file.empty() ? file : SinglePage::address(kit.clips.at(file));
}

std::string tryData(const PublishKit &kit, const QuizText &lines, std::string name)
{
    const SinglePage::Input &page = kit.page;
    PageData::Page shown {
        {}, SinglePage::address(page.scrollpic), SinglePage::address(page.logo), page.web, page.contact
    };
    for (const SinglePage::Media &picture : page.banner)
        shown.banner.push_back(SinglePage::address(picture));
    const ResultClips clips = clipsFor(kit, lines);
    PageData::Quiz quiz { std::move(name), &lines, {}, clipAddress(kit, clips.noWinner) };
    for (std::size_t k = 0; k < QuizAnswerCount; ++k)
        quiz.clips[k] = clipAddress(kit, clips.names[k]);
    std::string data;
    PageData::writeQuizzes(shown, { quiz }, [&](std::string_view part) { data += part; });
    return data;
}

// The quiz's name as the program names a quiz file: its name without its folder.
std::string quizName(const char *name, std::size_t size)
{
    const std::string_view path(name, size);
    return std::string(path.substr(path.rfind('/') + 1));
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE PublishKit *quizwasm_kit_new()
{
    return guarded([] { return new PublishKit; }, static_cast<PublishKit *>(nullptr));
}

EMSCRIPTEN_KEEPALIVE void quizwasm_kit_free(PublishKit *kit)
{
    delete kit;
}

EMSCRIPTEN_KEEPALIVE int quizwasm_kit_text(PublishKit *kit, int field, const char *text, std::size_t size)
{
    SinglePage::Input &page = kit->page;
    std::string *const fields[] = { &page.html, &page.style, &page.texts, &page.web, &page.contact };
    if (field < 0 || field >= static_cast<int>(std::size(fields)))
        return -1;
    return guarded(
        [&] {
            fields[field]->assign(text, size);
            return 0;
        },
        -1);
}

EMSCRIPTEN_KEEPALIVE int quizwasm_kit_part(PublishKit *kit, const char *name, std::size_t nameSize,
                                           const char *text, std::size_t size)
{
    return guarded(
        [&] {
            kit->page.parts.push_back({ std::string(name, nameSize), std::string(text, size) });
            return 0;
        },
        -1);
}

EMSCRIPTEN_KEEPALIVE int quizwasm_kit_media(PublishKit *kit, int kind, const char *name, std::size_t nameSize,
                                            const char *type, std::size_t typeSize, const char *bytes,
                                            std::size_t size)
{
    return guarded(
        [&] {
            SinglePage::Media media { std::string(type, typeSize), std::string(bytes, size) };
            SinglePage::Input &page = kit->page;
            switch (kind) {
            case 0:
                page.banner.push_back(std::move(media));
                return 0;
            case 1:
                page.scrollpic = std::move(media);
                return 0;
            case 2:
                page.logo = std::move(media);
                return 0;
            case 3:
                kit->clips[std::string(name, nameSize)] = std::move(media);
                return 0;
            default:
                return -1;
            }
        },
        -1);
}

EMSCRIPTEN_KEEPALIVE int quizwasm_publish(const PublishKit *kit, const QuizDocument *document,
                                          const char *name, std::size_t nameSize, std::string **page)
{
    *page = nullptr;
    return guarded(
        [&] {
            if (QuizChecker::hasError(QuizChecker::checkBytes(document->bytes())))
                return 1;
            const SinglePage::Input input = pageFor(*kit, document->lines(), quizName(name, nameSize));
            auto written = std::make_unique<std::string>();
            SinglePage::write(input, [&](std::string_view part) { *written += part; });
            *page = written.release();
            return 0;
        },
        -1);
}

EMSCRIPTEN_KEEPALIVE std::string *quizwasm_try_data(const PublishKit *kit, const QuizDocument *document,
                                                    const char *name, std::size_t nameSize)
{
    return guarded(
        [&] { return new std::string(tryData(*kit, document->lines(), quizName(name, nameSize))); },
        static_cast<std::string *>(nullptr));
}

} // extern "C"
