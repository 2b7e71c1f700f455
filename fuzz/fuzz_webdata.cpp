// SPDX-License-Identifier: MIT
// libFuzzer target for the writer of the web page's quiz data: whatever bytes a quiz's lines hold,
// the script it writes must be plain ASCII with no <, > or &, so that nothing can end the script
// or start markup, and it must read back as the lines the window shows.

#include "Finding.h"
#include "FuzzedQuiz.h"
#include "PageData.h"
#include "TextDecoder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QuizText lines = fuzzedQuiz(data, size);
    const QString name = TextDecoder::decode(lines[0]);
    std::string written;
    PageData::write("{}", {}, { { name.toStdString(), &lines, {}, {} } },
                    [&](std::string_view part) { written += part; });
    // The texts' assignment comes first, on a line of its own.
    const QByteArray script = QByteArray::fromStdString(written.substr(written.find('\n') + 1));
    for (const char byte : script) {
        if (static_cast<unsigned char>(byte) >= 0x80 || byte == '<' || byte == '>' || byte == '&')
            finding("the script holds a byte that could end it or start markup");
    }
    const QByteArray start = "window.MatchMakerQuizzes = ";
    if (!script.startsWith(start) || !script.endsWith(";\n"))
        finding("the script is not one assignment");
    QJsonParseError error {};
    const QJsonDocument document
        = QJsonDocument::fromJson(script.mid(start.size(), script.size() - start.size() - 2), &error);
    if (error.error != QJsonParseError::NoError)
        finding("the data does not parse as JSON");
    const QJsonObject quiz = document.object()["quizzes"].toArray().first().toObject();
    if (quiz["name"].toString() != name)
        finding("the name does not read back");
    checkReadsBack(quiz, lines);
    return 0;
}
