// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <cstdint>
#include <map>
#include <optional>
#include <string>

// What an export wrote, as its marker file records it: a heading, then one line for each file,
// "SHA-256 SIZE PATH", the path relative to the folder with "/" between its parts. The next
// export replaces a folder only while it still holds exactly these files, unchanged. The marker
// comes from the disk, where anyone can have written anything: a marker that is not of this form
// lists nothing.
class ExportManifest
{
public:
    struct File
    {
        std::uint64_t size = 0;
        QByteArray sha256; // lower-case hex
        bool operator==(const File &) const = default;
    };
    using Files = std::map<std::string, File>;

    // A marker is read only up to this size; a larger one is no marker of ours.
    static constexpr qint64 MaxMarkerSize = 1 << 20;

    // The marker's first line, before any file is listed.
    static QByteArray heading();
    // The line that lists one file.
    static QByteArray line(const std::string &path, const QByteArray &bytes);
    // The same for a file whose hash (lower-case hex) and size are known.
    static QByteArray line(const std::string &path, const QByteArray &sha256, std::uint64_t size);
    // The files a marker lists; nothing when it is not a marker of this form.
    static std::optional<Files> parse(const QByteArray &marker);
    // The marker of a version that recorded no list of its files.
    static bool isUnlisted(const QByteArray &marker);
    // A path an export may write: relative, with no empty, "." or ".." part and no control character.
    static bool isFilePath(const std::string &path);
};
