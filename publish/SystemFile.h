// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstddef>
#include <filesystem>

// The few file calls the export makes to the system itself, where Qt would not keep a name that
// is not UTF-8 or would not pass on the system's reason.
class SystemFile
{
public:
    // The system's words for an errno value.
    static QString reason(int error);
    // Writes all of bytes to the descriptor; false, with errno set, when it cannot (a write that
    // makes no progress counts as a full disk).
    static bool writeAll(int file, const char *bytes, std::size_t size);
    // Flushes a folder's entries to the disk, so that a rename in it survives a crash.
    static void syncFolder(const std::filesystem::path &folder);
    // A path as a person reads it, bytes that are not UTF-8 as \xHH.
    static QString shown(const std::filesystem::path &path);
};
