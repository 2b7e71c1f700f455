// SPDX-License-Identifier: MIT
#include "ShellOpener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QRegularExpression>

#include <variant>

namespace {

ShellOpener::Recorder &installedRecorder()
{
    static ShellOpener::Recorder instance;
    return instance;
}

bool hasScheme(const QString &target)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(target).hasMatch();
}

QString describe(ShellOpener::Error error)
{
    switch (error) {
    case ShellOpener::None:
        break;
    case ShellOpener::EmptyTarget:
        return QCoreApplication::translate("ShellOpener", "the target is empty");
    case ShellOpener::MalformedAddress:
        return QCoreApplication::translate("ShellOpener", "the address is not valid");
    case ShellOpener::MissingFile:
        return QCoreApplication::translate("ShellOpener", "the file does not exist");
    case ShellOpener::NoApplication:
        return QCoreApplication::translate("ShellOpener", "no application on this computer could open it");
    }
    return {};
}

ShellOpener::Result failure(ShellOpener::Error error)
{
    return { error, describe(error) };
}

// The address to hand over, or the reason there is none.
std::variant<QUrl, ShellOpener::Error> addressOf(const QString &target)
{
    if (target.trimmed().isEmpty())
        return ShellOpener::EmptyTarget;
    if (!hasScheme(target)) {
        const QFileInfo file(target);
        if (!file.exists())
            return ShellOpener::MissingFile;
        return QUrl::fromLocalFile(file.absoluteFilePath());
    }
    const QUrl url(target);
    if (!url.isValid())
        return ShellOpener::MalformedAddress;
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return ShellOpener::MissingFile;
    return url;
}

bool handOver(const QUrl &url)
{
    if (installedRecorder())
        return installedRecorder()(url);
    return QDesktopServices::openUrl(url);
}

} // namespace

ShellOpener::Result ShellOpener::open(const QString &target)
{
    const auto address = addressOf(target);
    if (const auto *error = std::get_if<Error>(&address))
        return failure(*error);
    if (!handOver(std::get<QUrl>(address)))
        return failure(NoApplication);
    return {};
}

void ShellOpener::setRecorder(Recorder recorder)
{
    installedRecorder() = std::move(recorder);
}
