// SPDX-License-Identifier: MIT
// libFuzzer target for the writer of the page as one file: whatever a quiz's lines hold, the file
// has one script, which its policy allows by the script's own SHA-256, and the quiz data read back
// from that script holds the lines the window shows.

#include "Finding.h"
#include "FuzzedQuiz.h"
#include "SinglePage.h"
#include "TextDecoder.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstddef>
#include <cstdint>

namespace {

QByteArray between(const QByteArray &text, const QByteArray &start, const QByteArray &end, qsizetype from = 0)
{
    const qsizetype at = text.indexOf(start, from);
    const qsizetype to = at < 0 ? -1 : text.indexOf(end, at + start.size());
    return to < 0 ? QByteArray() : text.mid(at + start.size(), to - at - start.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QuizText lines = fuzzedQuiz(data, size);
    SinglePage::Input input;
    input.html
        = "<!DOCTYPE html>\n<html>\n<head>\n<meta http-equiv=\"Content-Security-Policy\" content=\"x\">\n"
          "<link rel=\"stylesheet\" href=\"style.css\">\n<script defer src=\"player.js\"></script>\n"
          "</head>\n<body>\n<img src=\"pictures/logo.png\" alt=\"\">\n</body>\n</html>\n";
    input.style = "p { color: red; }\n";
    input.parts = { { "player.js", "start();\n" } };
    input.texts = "{}";
    input.banner = { { "image/jpeg", lines[1] } };
    input.clips[lines[2]] = { "audio/wav", lines[3] };
    input.quizzes = { { lines[0], &lines, { lines[2], {}, {}, {} }, {} } };
    std::string written;
    SinglePage::write(input, [&](std::string_view part) { written += part; });
    const QByteArray file = QByteArray::fromStdString(written);

    if (file.count("<script>") != 1 || file.count("<script") != 2)
        finding("the file does not hold exactly one script and one data block");
    const QByteArray script = between(file, "<script>", "</script>");
    const QByteArray hash = QCryptographicHash::hash(script, QCryptographicHash::Sha256).toBase64();
    if (!file.contains("script-src 'sha256-" + hash + "'"))
        finding("the policy does not allow the script by its hash");
    if (file.contains("src=\"pictures/") || file.contains("unsafe-inline"))
        finding("the file refers to a picture outside it or allows inline code");
    const QByteArray assignment = between(script, "window.MatchMakerQuizzes = ", ";\n");
    const QJsonObject quiz
        = QJsonDocument::fromJson(assignment).object()["quizzes"].toArray().first().toObject();
    checkReadsBack(quiz, lines);
    const QByteArray block = between(file, "type=\"application/json\">", "</script>");
    if (QJsonDocument::fromJson(block).isNull())
        finding("the data block of pictures and clips does not parse as JSON");
    return 0;
}
