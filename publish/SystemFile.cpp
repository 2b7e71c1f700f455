// SPDX-License-Identifier: MIT
#include "SystemFile.h"

#include "FileName.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

QString SystemFile::reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool SystemFile::writeAll(int file, const char *bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(file, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

void SystemFile::syncFolder(const std::filesystem::path &folder)
{
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

QString SystemFile::shown(const std::filesystem::path &path)
{
    return FileName::shown(FileName::fromNative(path.native()));
}
