// SPDX-License-Identifier: MIT
#include "WebExport.h"

#include "ExportFile.h"
#include "ExportFolder.h"
#include "FileName.h"
#include "MediaLimits.h"
#include "PageData.h"
#include "PageScript.h"
#include "PageTexts.h"
#include "RegularFile.h"
#include "ResultClips.h"
#include "ScriptData.h"
#include "ShowAddresses.h"
#include "SinglePage.h"
#include "SoundClips.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include <array>
#include <map>

namespace {

// The banner's box (Scrollpic), at twice its pixels for sharp screens, as the logo (Image1) is.
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
    QFile file;
    *problem = RegularFile::open(path, file);
    if (!problem->isEmpty())
        return {};
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
// one concern, and last the controller that joins them. web/dev.html loads them in this order. The
// page as one file runs media.js first, which places its pictures and clips once they are read.
constexpr auto PlayerParts = std::to_array<const char *>(
    { "engine.js", "texts.js", "view.js", "banner.js", "switches.js", "picture.js", "controller.js" });

std::string compiled(const QString &file)
{
    QFile page(QStringLiteral(":/web/") + file);
    page.open(QIODevice::ReadOnly);
    return page.readAll().toStdString();
}

QByteArray bytesOf(std::string_view text)
{
    return { text.data(), qsizetype(text.size()) };
}

std::vector<PageScript::Source> playerParts(bool singleFile)
{
    std::vector<PageScript::Source> parts;
    if (singleFile)
        parts.push_back({ "media.js", compiled(QStringLiteral("media.js")) });
    for (const char *part : PlayerParts)
        parts.push_back({ part, compiled(QLatin1String(part)) });
    return parts;
}

// What the page shows, read and checked: the pictures prepared as the page draws them and the
// clips that pass the window's limits; what cannot be used is left out with a warning.
class PageMedia
{
public:
    PageMedia(const std::vector<WebExport::Quiz> &quizzes, const WebExport::Sources &sources,
              QStringList &warnings)
        : sources(sources), warnings(warnings)
    {
        quizzesClips.reserve(quizzes.size());
        for (const WebExport::Quiz &quiz : quizzes)
            quizzesClips.push_back(
                ResultClips::of(quiz.lines, [this](const char *file) { return clip(file); }));
        readBanner();
        scrollpic = { "image/jpeg", designPicture("scrollpic.jpg", BannerPixels, "jpeg") };
        logo = { "image/png", designPicture("logo-2x.png", {}, "png") };
    }

    // Every clip the window can play for some quiz: each name's own and the no-winner clip.
    void useEveryClip()
    {
        for (const SoundClip &sound : SoundClips)
            clip(sound.sound);
        clip(NoWinnerSound);
    }

    std::vector<ResultClips> quizzesClips;
    // Each clip that passes, by its file name, and their names in the order the quizzes use them.
    std::map<std::string, SinglePage::Media> clips;
    std::vector<std::string> clipOrder;
    std::vector<SinglePage::Media> banner;
    SinglePage::Media scrollpic;
    SinglePage::Media logo;

private:
    // FILE once it passes the window's limits; empty, with one warning, when it does not.
    std::string clip(const char *file)
    {
        if (const auto known = looked.find(file); known != looked.end())
            return known->second;
        const QString path = QDir(sources.dataFolder).filePath(file);
        QFile source;
        QString problem = RegularFile::open(path, source);
        if (problem.isEmpty())
            problem = MediaLimits::clipProblem(source);
        std::string used;
        if (problem.isEmpty()) {
            used = file;
            clips[used] = { "audio/wav", source.readAll().toStdString() };
            clipOrder.push_back(used);
        } else {
            warnings << WebExport::tr("Cannot use the sound clip \"%1\" (%2): %3; its result stays silent")
                            .arg(file, QFileInfo(path).absoluteFilePath(), problem);
        }
        looked[file] = used;
        return used;
    }

    // The ten pictures by number; a missing or refused one is empty, and the banner keeps its
    // picture when it draws it, as the window's does.
    void readBanner()
    {
        for (int number = 1; number <= BannerPictures; ++number) {
            const QString path = QDir(sources.dataFolder).filePath(QStringLiteral("%1.jpg").arg(number));
            QString problem;
            const QImage image = bannerPicture(path, &problem);
            if (image.isNull()) {
                warnings << WebExport::tr("Cannot use the banner picture \"%1\" (%2): %3")
                                .arg(QFileInfo(path).fileName(), QFileInfo(path).absoluteFilePath(), problem);
                banner.emplace_back();
                continue;
            }
            banner.push_back({ "image/jpeg", encoded(image, "jpeg").toStdString() });
        }
    }

    // A picture of the design, compiled in, encoded in format; scaled to size where one is given.
    static std::string designPicture(const QString &name, QSize size, const char *format)
    {
        QImage image(QStringLiteral(":/web/assets/") + name);
        if (size.isValid())
            image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return encoded(image, format).toStdString();
    }

    const WebExport::Sources &sources;
    QStringList &warnings;
    // Each clip's file name once looked at; empty for one that was left out.
    std::map<std::string, std::string> looked;
};

std::string pageTexts(const WebExport::Sources &sources)
{
    return ScriptData::json(PageTexts::tables(sources.catalogueFolder, sources.catalogueName)).toStdString();
}

// The page with its style sheet written into it; the Content-Security-Policy then allows the
// sheet by its hash instead of by its file.
QByteArray pageWithStyle()
{
    std::string styleHash;
    const std::string page = PageScript::withStyle(compiled(QStringLiteral("index.html")),
                                                   compiled(QStringLiteral("style.css")), styleHash);
    return bytesOf(page).replace("style-src 'self'", bytesOf("style-src 'sha256-" + styleHash + "'"));
}

// The page, its data and what it shows, written into the new folder. Each file a page loads
// before its first paint costs it a round trip: the style goes inside the page, the engine and
// the player's parts go out as one script, the texts and the quizzes as the other.
void writeFolder(ExportFolder &folder, const std::vector<WebExport::Quiz> &quizzes,
                 const WebExport::Sources &sources, QStringList &warnings)
{
    folder.write("index.html", pageWithStyle());
    folder.write("player.js", bytesOf(PageScript::player(playerParts(false))));

    const PageMedia media(quizzes, sources, warnings);
    for (const std::string &file : media.clipOrder)
        folder.write(QString::fromStdString("clips/" + file), bytesOf(media.clips.at(file).bytes));
    PageData::Page shown { {},
                           "pictures/scrollpic.jpg",
                           "pictures/logo.png",
                           ShowAddresses::Web.toStdString(),
                           ShowAddresses::Contact.toStdString() };
    for (std::size_t i = 0; i < media.banner.size(); ++i) {
        if (media.banner[i].bytes.empty()) {
            shown.banner.emplace_back();
            continue;
        }
        shown.banner.push_back("pictures/" + std::to_string(i + 1) + ".jpg");
        folder.write(QString::fromStdString(shown.banner.back()), bytesOf(media.banner[i].bytes));
    }
    folder.write("pictures/scrollpic.jpg", bytesOf(media.scrollpic.bytes));
    folder.write("pictures/logo.png", bytesOf(media.logo.bytes));
    const auto placed = [](const std::string &file) { return file.empty() ? file : "clips/" + file; };
    std::vector<PageData::Quiz> data;
    for (std::size_t i = 0; i < quizzes.size(); ++i) {
        PageData::Quiz quiz {
            quizzes[i].name.toStdString(), &quizzes[i].lines, {}, placed(media.quizzesClips[i].noWinner)
        };
        for (std::size_t k = 0; k < QuizAnswerCount; ++k)
            quiz.clips[k] = placed(media.quizzesClips[i].names[k]);
        data.push_back(std::move(quiz));
    }
    const std::string texts = pageTexts(sources);
    folder.write("quizzes.js", [&](const auto &add) {
        PageData::write(texts, shown, data, [&](std::string_view part) { add(bytesOf(part)); });
    });
}

// The single file's input without its quizzes: the page's parts, its texts and what it shows.
SinglePage::Input pageInput(PageMedia &media, const WebExport::Sources &sources)
{
    return { compiled(QStringLiteral("index.html")),
             compiled(QStringLiteral("style.css")),
             playerParts(true),
             pageTexts(sources),
             ShowAddresses::Web.toStdString(),
             ShowAddresses::Contact.toStdString(),
             std::move(media.banner),
             std::move(media.scrollpic),
             std::move(media.logo),
             {},
             std::move(media.clips) };
}

// The single file's input: the page's parts, its texts, the quizzes and what they show.
SinglePage::Input singlePage(const std::vector<WebExport::Quiz> &quizzes, const WebExport::Sources &sources,
                             QStringList &warnings)
{
    PageMedia media(quizzes, sources, warnings);
    SinglePage::Input input = pageInput(media, sources);
    for (std::size_t i = 0; i < quizzes.size(); ++i)
        input.quizzes.push_back({ quizzes[i].name.toStdString(), &quizzes[i].lines,
                                  media.quizzesClips[i].names, media.quizzesClips[i].noWinner });
    return input;
}

QString tooMuchText()
{
    return WebExport::tr("the quizzes hold more than %1 MiB of text, more than one page may hold; "
                         "publish them in smaller groups.")
        .arg(WebExport::MaxQuizBytes / 1024 / 1024);
}

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
    if (quizBytes(quizzes) > MaxQuizBytes) {
        result.error
            = tr("Cannot publish the web page in \"%1\": %2").arg(FileName::shown(folderName), tooMuchText());
        return result;
    }
    std::vector<std::string> quizFiles;
    for (const QString &file : options.quizFiles)
        quizFiles.push_back(FileName::toNativePath(file));
    ExportFolder folder(FileName::toNativePath(folderName), MarkerFile, quizFiles, options.stop);
    if (folder.open()) {
        writeFolder(folder, quizzes, sources, result.warnings);
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

WebExport::Result WebExport::writeSingleFile(const QString &fileName, const std::vector<Quiz> &quizzes,
                                             const Sources &sources, const Options &options)
{
    Result result;
    if (quizBytes(quizzes) > MaxQuizBytes) {
        result.error
            = tr("Cannot publish the web page as \"%1\": %2").arg(FileName::shown(fileName), tooMuchText());
        return result;
    }
    ExportFile file(FileName::toNativePath(fileName), SinglePage::Marker, options.stop);
    if (file.open()) {
        const SinglePage::Input input = singlePage(quizzes, sources, result.warnings);
        file.write([&](const ExportFile::Part &add) { SinglePage::write(input, add); });
        file.commit();
    }
    if (!file.error().isEmpty()) {
        result.error
            = tr("Cannot publish the web page as \"%1\": %2").arg(FileName::shown(fileName), file.error());
        return result;
    }
    result.indexPath = FileName::fromNative(file.placed());
    return result;
}

SinglePage::Input WebExport::singleFileKit(const Sources &sources, QStringList &warnings)
{
    PageMedia media({}, sources, warnings);
    media.useEveryClip();
    return pageInput(media, sources);
}

qint64 WebExport::quizBytes(const std::vector<Quiz> &quizzes)
{
    qint64 bytes = 0;
    for (const Quiz &quiz : quizzes) {
        for (const std::string &line : quiz.lines)
            bytes += qint64(line.size());
    }
    return bytes;
}
