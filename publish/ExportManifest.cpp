// SPDX-License-Identifier: MIT
#include "ExportManifest.h"

#include <QCryptographicHash>
#include <QList>

#include <algorithm>
#include <charconv>
#include <string_view>

namespace {

constexpr qsizetype HashDigits = 64;

bool isHash(const QByteArray &text)
{
    return text.size() == HashDigits && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

std::optional<std::uint64_t> sizeOf(const QByteArray &text)
{
    std::uint64_t size = 0;
    const char *end = text.constData() + text.size();
    const auto [stop, error] = std::from_chars(text.constData(), end, size);
    if (text.isEmpty() || error != std::errc() || stop != end || (text.size() > 1 && text[0] == '0'))
        return std::nullopt;
    return size;
}

} // namespace

QByteArray ExportManifest::heading()
{
    return "A web page of Brindlecast Match Maker. The next export replaces it only while it holds "
           "these files, as they are listed here (SHA-256, size, path):\n";
}

QByteArray ExportManifest::line(const std::string &path, const QByteArray &bytes)
{
    return line(path, QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex(),
                std::uint64_t(bytes.size()));
}

QByteArray ExportManifest::line(const std::string &path, const QByteArray &sha256, std::uint64_t size)
{
    return sha256 + ' ' + QByteArray::number(size) + ' ' + QByteArray::fromStdString(path) + '\n';
}

std::optional<ExportManifest::Files> ExportManifest::parse(const QByteArray &marker)
{
    if (!marker.startsWith(heading()) || !marker.endsWith('\n'))
        return std::nullopt;
    Files files;
    const QByteArray listed = marker.mid(heading().size());
    if (listed.isEmpty())
        return files;
    for (const QByteArray &line : listed.chopped(1).split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3 || !isHash(fields[0]))
            return std::nullopt;
        const auto size = sizeOf(fields[1]);
        const std::string path = line.mid(fields[0].size() + fields[1].size() + 2).toStdString();
        if (!size || !isFilePath(path) || !files.emplace(path, File { *size, fields[0] }).second)
            return std::nullopt;
    }
    return files;
}

bool ExportManifest::isUnlisted(const QByteArray &marker)
{
    return marker == "A web page of Brindlecast Match Maker; the next export replaces it.\n";
}

bool ExportManifest::isFilePath(const std::string &path)
{
    if (path.empty() || path.front() == '/' || path.back() == '/')
        return false;
    if (std::any_of(path.begin(), path.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }))
        return false;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view part(path.data() + start, end - start);
        if (part.empty() || part == "." || part == "..")
            return false;
        start = end + 1;
    }
    return true;
}
