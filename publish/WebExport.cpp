// SPDX-License-Identifier: MIT
#include "WebExport.h"

#include "ExportFolder.h"
#include "ExtraQZT.h"
#include "FileName.h"
#include "MediaLimits.h"
#include "PageTexts.h"
#include "ResultTexts.h"
#include "ScriptData.h"
#include "ShowAddresses.h"
#include "SoundClips.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QImageWriter>
#include <QJsonArray>

#include <array>

namespace {

// The banner's box (Scrollpic), at twice its pixels for sharp screens.
constexpr QSize BannerPixels(2 * 176, 2 * 111);
constexpr int BannerPictures = 10;
constexpr int JpegQuality = 80;

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(JpegQuality);
    return writer.write(image) ? bytes : QByteArray();
}

// A picture read through the window's limits and scaled as the banner draws it; an empty image,
// with problem saying why, when it cannot be.
QImage bannerPicture(const QString &path, QString *problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = file.errorString();
        return {};
    }
    QImageReader reader(&file);
    *problem = MediaLimits::pictureProblem(reader);
    if (!problem->isEmpty())
        return {};
    reader.setScaledSize(BannerPixels);
    QImage image = reader.read();
    if (image.isNull())
        *problem = reader.errorString();
    return image;
}

// The parts of the page's script, in the order they run: the engine, then the player's parts, each
// one concern, and last the controller that joins them. web/dev.html loads them in this order.
constexpr auto PlayerParts = std::to_array<const char *>(
    { "engine.js", "texts.js", "view.js", "banner.js", "switches.js", "picture.js", "controller.js" });

// A part as the page loads it: without indentation, blank lines and lines holding only a comment,
// so that what the sources say to their reader costs the page nothing. Safe because no part has
// text that spans lines (eslint.config.js forbids it).
QByteArray withoutComments(const QByteArray &source)
{
    QByteArray script;
    for (const QByteArray &line : source.split('\n')) {
        const QByteArray code = line.trimmed();
        const bool comment
            = code.startsWith("//") || (code.startsWith("/*") && code.indexOf("*/") == code.size() - 2);
        if (!code.isEmpty() && !comment)
            script += code + '\n';
    }
    return script;
}

// The numbers of the quiz's rules and the engine's words in English (the page translates them by
// its texts), so that the page's engine holds no copy of either.
QJsonObject engineRules()
{
    QJsonArray ties;
    for (const char *tie : ResultTexts::Ties)
        ties.append(tie ? QJsonValue(tie) : QJsonValue());
    const QJsonObject texts { { "title", ResultTexts::Title },
                              { "prompt", ResultTexts::Prompt },
                              { "noWinnerPrompt", ResultTexts::NoWinnerPrompt },
                              { "noWinnerName", ResultTexts::NoWinnerName },
                              { "detail", ResultTexts::Detail },
                              { "ties", ties } };
    return { { "questions", static_cast<int>(QuizQuestionCount) },
             { "blockLines", static_cast<int>(QuizBlockLines) },
             { "nameLine", static_cast<int>(QuizNameLine) },
             { "largestTally", ExtraQZT::LargestTally },
             { "texts", texts } };
}

// The page, its data and what it shows, written into the new folder.
class PageWriter
{
public:
    PageWriter(ExportFolder &folder, const WebExport::Sources &sources, QStringList &warnings)
        : folder(folder), sources(sources), warnings(warnings)
    {
    }

    // Each script a page loads from the disk costs its first paint a few milliseconds: the engine
    // and the player's parts go out as one script, the texts and the quizzes as the other.
    void writePage()
    {
        for (const char *file : { "index.html", "style.css" })
            folder.write(file, compiled(file));
        QByteArrayList names;
        QByteArray joined;
        for (const char *part : PlayerParts) {
            names << part;
            joined += withoutComments(compiled(part));
        }
        folder.write("player.js",
                     "// SPDX-License-Identifier: MIT\n// The page's script: publish/web/" + names.join(", ")
                         + " of Brindlecast Match Maker, without their comments.\n" + joined);
        folder.write(WebExport::MarkerFile,
                     "A web page of Brindlecast Match Maker; the next export replaces it.\n");
    }

    void writeData(const std::vector<WebExport::Quiz> &quizzes)
    {
        QJsonArray shown;
        for (const WebExport::Quiz &quiz : quizzes)
            shown.append(quizData(quiz));
        const QJsonObject data { { "quizzes", shown },
                                 { "banner", banner() },
                                 { "scrollpic",
                                   designPicture("scrollpic.jpg", BannerPixels, "pictures/scrollpic.jpg") },
                                 { "logo", designPicture("image1.gif", {}, "pictures/logo.png") },
                                 { "rules", engineRules() },
                                 { "web", ShowAddresses::Web },
                                 { "contact", ShowAddresses::Contact } };
        folder.write("quizzes.js",
                     ScriptData::assignment("MatchMakerTexts",
                                            PageTexts::tables(sources.catalogueFolder, sources.catalogueName))
                         + ScriptData::assignment("MatchMakerQuizzes", data));
    }

private:
    static QByteArray compiled(const char *file)
    {
        QFile page(QStringLiteral(":/web/") + file);
        page.open(QIODevice::ReadOnly);
        return page.readAll();
    }

    QJsonObject quizData(const WebExport::Quiz &quiz)
    {
        std::array<QString, QuizAnswerCount> clips;
        bool anyEmptyName = false;
        for (std::size_t k = 0; k < QuizAnswerCount; ++k) {
            const std::string &name = quiz.lines[QuizNameLine + k];
            anyEmptyName = anyEmptyName || name.empty();
            if (const char *sound = soundClipFor(name))
                clips[k] = clip(sound);
        }
        return ScriptData::quiz(quiz.name, quiz.lines, clips, anyEmptyName ? clip(NoWinnerSound) : QString());
    }

    // clips/FILE once it passes the window's limits; empty, with one warning, when it does not.
    QString clip(const char *file)
    {
        if (const auto known = clips.constFind(file); known != clips.cend())
            return *known;
        const QString path = QDir(sources.dataFolder).filePath(file);
        QString problem
            = QFile::exists(path) ? MediaLimits::clipProblem(path) : QStringLiteral("it does not exist");
        QFile source(path);
        if (problem.isEmpty() && !source.open(QIODevice::ReadOnly))
            problem = source.errorString();
        QString written;
        if (problem.isEmpty()) {
            written = QStringLiteral("clips/") + file;
            folder.write(written, source.readAll());
        } else {
            warnings << QStringLiteral("Cannot use the sound clip \"%1\" (%2): %3; its result stays silent")
                            .arg(file, QFileInfo(path).absoluteFilePath(), problem);
        }
        clips.insert(file, written);
        return written;
    }

    // The ten pictures by number; a missing or refused one is null, and the banner keeps its
    // picture when it draws it, as the window's does.
    QJsonArray banner()
    {
        QJsonArray pictures;
        for (int number = 1; number <= BannerPictures; ++number) {
            const QString path = QDir(sources.dataFolder).filePath(QStringLiteral("%1.jpg").arg(number));
            QString problem;
            const QImage image = bannerPicture(path, &problem);
            if (image.isNull()) {
                warnings << QStringLiteral("Cannot use the banner picture \"%1\" (%2): %3")
                                .arg(QFileInfo(path).fileName(), QFileInfo(path).absoluteFilePath(), problem);
                pictures.append(QJsonValue());
                continue;
            }
            const QString written = QStringLiteral("pictures/%1.jpg").arg(number);
            folder.write(written, encoded(image, "jpeg"));
            pictures.append(written);
        }
        return pictures;
    }

    // A picture of the design, compiled in, written as written says (JPEG or PNG); scaled to
    // size where one is given.
    QString designPicture(const QString &name, QSize size, const QString &written)
    {
        QImage image(QStringLiteral(":/web/assets/") + name);
        if (size.isValid())
            image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        folder.write(written, encoded(image, written.endsWith(QLatin1String(".png")) ? "png" : "jpeg"));
        return written;
    }

    ExportFolder &folder;
    const WebExport::Sources &sources;
    QStringList &warnings;
    // Each clip's place in the folder once looked at; empty for one that was left out.
    QHash<QString, QString> clips;
};

} // namespace

WebExport::Result WebExport::write(const QString &folderName, const std::vector<Quiz> &quizzes,
                                   const Sources &sources)
{
    Result result;
    ExportFolder folder(FileName::toNativePath(folderName), MarkerFile);
    if (folder.open()) {
        PageWriter page(folder, sources, result.warnings);
        page.writePage();
        page.writeData(quizzes);
        folder.commit();
    }
    if (!folder.error().isEmpty()) {
        result.error = tr("Cannot publish the web page in \"%1\": %2")
                           .arg(FileName::shown(folderName), folder.error());
        return result;
    }
    result.indexPath = FileName::fromNative(folder.placed("index.html"));
    return result;
}
