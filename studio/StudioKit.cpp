// SPDX-License-Identifier: MIT
// studio_kit: writes the scripts that give the studio what the program puts around a quiz in the
// page as one file, so that the studio's WebAssembly build publishes the same bytes:
//   kit-page.js      window.StudioKit = { html, style, parts, texts, web, contact }
//   kit-media.js     window.StudioMedia = { banner, scrollpic, logo, clips }, as base64
//   studio-texts.js  window.StudioTexts, the studio's texts from the catalogues
// Usage: studio_kit DATA_FOLDER CATALOGUE_FOLDER CATALOGUE_NAME OUTPUT_FOLDER
// The pictures and clips are read from DATA_FOLDER through the window's limits, as the program
// reads them from its working directory; what cannot be used is left out with a warning.
#include "StudioTexts.h"
#include "WebExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

QString text(const std::string &bytes)
{
    return QString::fromStdString(bytes);
}

QJsonValue media(const SinglePage::Media &media)
{
    if (media.bytes.empty())
        return QJsonValue::Null;
    const QByteArray bytes(media.bytes.data(), qsizetype(media.bytes.size()));
    return QJsonObject { { "type", text(media.type) }, { "data", QString::fromLatin1(bytes.toBase64()) } };
}

QByteArray assignment(const char *name, const QJsonObject &value)
{
    return QByteArray("// SPDX-License-Identifier: MIT\n// Written by studio_kit.\nwindow.") + name + " = "
        + QJsonDocument(value).toJson(QJsonDocument::Compact) + ";\n";
}

QByteArray pageScript(const SinglePage::Input &input)
{
    QJsonArray parts;
    for (const PageScript::Source &part : input.parts)
        parts.append(QJsonObject { { "name", text(part.name) }, { "text", text(part.text) } });
    return assignment("StudioKit",
                      { { "html", text(input.html) },
                        { "style", text(input.style) },
                        { "parts", parts },
                        { "texts", text(input.texts) },
                        { "web", text(input.web) },
                        { "contact", text(input.contact) } });
}

QByteArray mediaScript(const SinglePage::Input &input)
{
    QJsonArray banner;
    for (const SinglePage::Media &picture : input.banner)
        banner.append(media(picture));
    QJsonObject clips;
    for (const auto &[file, clip] : input.clips)
        clips.insert(text(file), media(clip));
    return assignment("StudioMedia",
                      { { "banner", banner },
                        { "scrollpic", media(input.scrollpic) },
                        { "logo", media(input.logo) },
                        { "clips", clips } });
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()
        && file.flush())
        return true;
    std::fprintf(stderr, "studio_kit: cannot write \"%s\": %s\n", qPrintable(path),
                 qPrintable(file.errorString()));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 5) {
        std::fprintf(stderr, "usage: studio_kit DATA_FOLDER CATALOGUE_FOLDER CATALOGUE_NAME OUTPUT_FOLDER\n");
        return 2;
    }
    const WebExport::Sources sources { arguments[1], arguments[2], arguments[3] };
    const QDir output(arguments[4]);
    QStringList warnings;
    const SinglePage::Input input = WebExport::singleFileKit(sources, warnings);
    for (const QString &warning : warnings)
        std::fprintf(stderr, "studio_kit: %s\n", qPrintable(warning));
    const bool written = write(output.filePath("kit-page.js"), pageScript(input))
        && write(output.filePath("kit-media.js"), mediaScript(input))
        && write(output.filePath("studio-texts.js"),
                 StudioTexts::script(sources.catalogueFolder, sources.catalogueName));
    return written ? 0 : 1;
}
