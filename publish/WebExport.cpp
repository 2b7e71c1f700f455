// SPDX-License-Identifier: MIT
#include "WebExport.h"

#include "ExportFolder.h"
#include "FileName.h"
#include "MediaLimits.h"
#include "PageTexts.h"
#include "RegularFile.h"
#include "ScriptData.h"
#include "ShowAddresses.h"
#include "SoundClips.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QImageWriter>
#include <QJsonArray>

#include <array>

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
// one concern, and last the controller that joins them. web/dev.html loads them in this order.
constexpr auto PlayerParts = std::to_array<const char *>(
    { "engine.js", "texts.js", "view.js", "banner.js", "switches.js", "picture.js", "controller.js" });

// A part or the style sheet as the page loads it: without indentation, blank lines and lines
// holding only a comment, so that what the sources say to their reader costs the page nothing.
// Safe because no part has text that spans lines (eslint.config.js forbids it), nor the sheet.
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

// The page, its data and what it shows, written into the new folder.
class PageWriter
{
public:
    PageWriter(ExportFolder &folder, const WebExport::Sources &sources, QStringList &warnings)
        : folder(folder), sources(sources), warnings(warnings)
    {
    }

    // Each file a page loads before its first paint costs it a round trip: the style goes inside
    // the page, the engine and the player's parts go out as one script, the texts and the quizzes
    // as the other.
    void writePage()
    {
        folder.write("index.html", pageWithStyle());
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

    // The quizzes' text goes out a quiz at a time, straight from their lines.
    void writeData(const std::vector<WebExport::Quiz> &quizzes)
    {
        std::vector<QuizClips> clipsOfQuiz;
        clipsOfQuiz.reserve(quizzes.size());
        for (const WebExport::Quiz &quiz : quizzes)
            clipsOfQuiz.push_back(quizClips(quiz));
        const QJsonObject data { { "banner", banner() },
                                 { "scrollpic",
                                   designPicture("scrollpic.jpg", BannerPixels, "pictures/scrollpic.jpg") },
                                 { "logo", designPicture("logo-2x.png", {}, "pictures/logo.png") },
                                 { "web", ShowAddresses::Web },
                                 { "contact", ShowAddresses::Contact } };
        const QJsonObject texts = PageTexts::tables(sources.catalogueFolder, sources.catalogueName);
        const ScriptData::Items shown { QStringLiteral("quizzes"), quizzes.size(), [&](std::size_t i) {
                                           const WebExport::Quiz &quiz = quizzes[i];
                                           return ScriptData::quiz(quiz.name, quiz.lines,
                                                                   clipsOfQuiz[i].names,
                                                                   clipsOfQuiz[i].noWinner);
                                       } };
        folder.write("quizzes.js", [&](const ScriptData::Part &add) {
            add(ScriptData::assignment("MatchMakerTexts", texts));
            ScriptData::assignment("MatchMakerQuizzes", data, shown, add);
        });
    }

private:
    static QByteArray compiled(const char *file)
    {
        QFile page(QStringLiteral(":/web/") + file);
        page.open(QIODevice::ReadOnly);
        return page.readAll();
    }

    // The page with its style sheet written into it, without the sheet's comments; the
    // Content-Security-Policy then allows the sheet by its hash instead of by its file.
    static QByteArray pageWithStyle()
    {
        const QByteArray style = withoutComments(compiled("style.css"));
        const QByteArray hash = QCryptographicHash::hash(style, QCryptographicHash::Sha256).toBase64();
        return compiled("index.html")
            .replace(R"(<link rel="stylesheet" href="style.css">)", "<style>" + style + "</style>")
            .replace("style-src 'self'", "style-src 'sha256-" + hash + "'");
    }

    struct QuizClips
    {
        std::array<QString, QuizAnswerCount> names;
        QString noWinner;
    };

    QuizClips quizClips(const WebExport::Quiz &quiz)
    {
        QuizClips clips;
        bool anyEmptyName = false;
        for (std::size_t k = 0; k < QuizAnswerCount; ++k) {
            const std::string &name = quiz.lines[QuizNameLine + k];
            anyEmptyName = anyEmptyName || name.empty();
            if (const char *sound = soundClipFor(name))
                clips.names[k] = clip(sound);
        }
        if (anyEmptyName)
            clips.noWinner = clip(NoWinnerSound);
        return clips;
    }

    // clips/FILE once it passes the window's limits; empty, with one warning, when it does not.
    QString clip(const char *file)
    {
        if (const auto known = clips.constFind(file); known != clips.cend())
            return *known;
        const QString path = QDir(sources.dataFolder).filePath(file);
        QFile source;
        QString problem = RegularFile::open(path, source);
        if (problem.isEmpty())
            problem = MediaLimits::clipProblem(source);
        QString written;
        if (problem.isEmpty()) {
            written = QStringLiteral("clips/") + file;
            // The check read the header; the copy is the whole file, from its first byte.
            source.seek(0);
            folder.write(written, source.readAll());
        } else {
            warnings << WebExport::tr("Cannot use the sound clip \"%1\" (%2): %3; its result stays silent")
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
                warnings << WebExport::tr("Cannot use the banner picture \"%1\" (%2): %3")
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
    if (quizBytes(quizzes) > MaxQuizBytes) {
        result.error = tr("Cannot publish the web page in \"%1\": %2")
                           .arg(FileName::shown(folderName),
                                tr("the quizzes hold more than %1 MiB of text, more than one page may hold; "
                                   "publish them in smaller groups.")
                                    .arg(MaxQuizBytes / 1024 / 1024));
        return result;
    }
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

qint64 WebExport::quizBytes(const std::vector<Quiz> &quizzes)
{
    qint64 bytes = 0;
    for (const Quiz &quiz : quizzes) {
        for (const std::string &line : quiz.lines)
            bytes += qint64(line.size());
    }
    return bytes;
}
