// SPDX-License-Identifier: MIT
#include "RegularFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString RegularFile::open(const QString &path, QFile &file)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer; on a regular file the flag changes
    // nothing.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return errno == ENOENT ? tr("it does not exist") : QString::fromLocal8Bit(std::strerror(errno));
    struct stat status
    {
    };
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        const bool folder = S_ISDIR(status.st_mode);
        ::close(descriptor);
        return folder ? tr("it is a folder, not a file") : tr("it is not a regular file");
    }
    file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    return {};
}
