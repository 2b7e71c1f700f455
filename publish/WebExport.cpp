// SPDX-License-Identifier: MIT
#include "WebExport.h"

#include "ExportFolder.h"
#include "FileName.h"
#include "MediaLimits.h"
#include "PageTexts.h"
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

// The page, its data and what it shows, written into the new folder.
class PageWriter
{
public:
    PageWriter(ExportFolder &folder, const WebExport::Sources &sources, QStringList &warnings)
        : folder(folder), sources(sources), warnings(warnings)
    {
    }

    // Each script a page loads from the disk costs its first paint a few milliseconds: the engine
    // and the player go out as one script, the texts and the quizzes as the other.
    void writePage()
    {
        for (const char *file : { "index.html", "style.css" })
            folder.write(file, compiled(file));
        folder.write("player.js", compiled("engine.js") + compiled("player.js"));
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
    return write(folderName, quizzes, sources, Options {});
}

WebExport::Result WebExport::write(const QString &folderName, const std::vector<Quiz> &quizzes,
                                   const Sources &sources, const Options &options)
{
    Result result;
    std::vector<std::string> quizFiles;
    for (const QString &file : options.quizFiles)
        quizFiles.push_back(FileName::toNativePath(file));
    ExportFolder folder(FileName::toNativePath(folderName), MarkerFile, quizFiles, options.stop);
    if (folder.open()) {
        PageWriter page(folder, sources, result.warnings);
        page.writePage();
        page.writeData(quizzes);
        folder.commit();
    }
    result.warnings << folder.warnings();
    if (!folder.error().isEmpty()) {
        result.error = tr("Cannot publish the web page in \"%1\": %2")
                           .arg(FileName::shown(folderName), folder.error());
        return result;
    }
    result.indexPath = FileName::fromNative(folder.placed("index.html"));
    return result;
}
