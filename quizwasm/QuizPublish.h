// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

class QuizDocument;
struct PublishKit;

// The entry points that publish a document as the page in one file (SinglePage), for quizwasm.js:
// a kit is filled a piece at a time with what the program puts around a quiz (the studio's
// kit-page.js and kit-media.js), then publishes any number of documents. Texts are UTF-8; what
// comes back is freed with quizwasm_text_free. No exception crosses into JavaScript.
extern "C" {

PublishKit *quizwasm_kit_new();
void quizwasm_kit_free(PublishKit *kit);
// Field 0: the page's markup, 1: its style sheet, 2: the JSON of its texts, 3: the show's web
// address, 4: its contact address. 0 when set, -1 for an unknown field or on failure.
int quizwasm_kit_text(PublishKit *kit, int field, const char *text, std::size_t size);
// A part of the player, after those added before.
int quizwasm_kit_part(PublishKit *kit, const char *name, std::size_t nameSize, const char *text,
                      std::size_t size);
// Kind 0: the next picture of the banner (no bytes: none), 1: the scrollpic, 2: the logo, 3: the clip
// file named name, one a quiz may play.
int quizwasm_kit_media(PublishKit *kit, int kind, const char *name, std::size_t nameSize, const char *type,
                       std::size_t typeSize, const char *bytes, std::size_t size);

// The page in one file, in *page, for a quiz file named name that holds the document as it would be
// saved: 0 when given, 1 when the checker finds errors in it, -1 on failure.
int quizwasm_publish(const PublishKit *kit, const QuizDocument *document, const char *name,
                     std::size_t nameSize, std::string **page);
// The page's data for the document, errors and all, as the page in one file holds it once its
// pictures and clips are in place: the JSON of window.MatchMakerQuizzes, every picture and clip a
// data: address. Null on failure.
std::string *quizwasm_try_data(const PublishKit *kit, const QuizDocument *document, const char *name,
                               std::size_t nameSize);

} // extern "C"
