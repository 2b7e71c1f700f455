// SPDX-License-Identifier: MIT
#include "SaveFile.h"

#include "FileName.h"

#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString &nextFailure()
{
    static QString error;
    return error;
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The file a save replaces: the target of a symbolic link, so that the link stays a link.
std::string fileToReplace(const std::string &path)
{
    char resolved[PATH_MAX];
    struct stat link
    {
    };
    if (lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
        return path;
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string folderOf(const std::string &path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A new file beside the one to replace, in the same folder so that the rename is atomic, with
// the permissions a new file gets (the umask applies).
class TemporaryFile
{
public:
    explicit TemporaryFile(const std::string &target)
    {
        const std::string base = target.substr(target.rfind('/') + 1);
        for (int attempt = 0; attempt < 100 && descriptor < 0; ++attempt) {
            name = folderOf(target) + "/." + base + "."
                + std::to_string(QRandomGenerator::global()->generate()) + ".tmp";
            descriptor = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (descriptor < 0 && errno != EEXIST)
                break;
        }
        error = descriptor < 0 ? errno : 0;
    }
    ~TemporaryFile()
    {
        if (descriptor >= 0)
            ::close(descriptor);
        if (!name.empty())
            ::unlink(name.c_str());
    }
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    // Each returns the system's error number, or 0.
    int openError() const { return error; }
    int writeAll(const QByteArray &bytes) const
    {
        for (qsizetype done = 0; done < bytes.size();) {
            const ssize_t written = ::write(descriptor, bytes.constData() + done,
                                            static_cast<std::size_t>(bytes.size() - done));
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return written < 0 ? errno : ENOSPC;
            done += written;
        }
        return 0;
    }
    // The old file's permissions, where there is one.
    int keepModeOf(const std::string &target) const
    {
        struct stat old
        {
        };
        if (::stat(target.c_str(), &old) != 0)
            return 0;
        return ::fchmod(descriptor, old.st_mode & 07777) == 0 ? 0 : errno;
    }
    int syncAndClose()
    {
        if (::fsync(descriptor) != 0)
            return errno;
        const int closed = ::close(descriptor);
        descriptor = -1;
        return closed == 0 ? 0 : errno;
    }
    int replace(const std::string &target)
    {
        if (::rename(name.c_str(), target.c_str()) != 0)
            return errno;
        name.clear();
        return 0;
    }

private:
    std::string name;
    int descriptor = -1;
    int error = 0;
};

// The rename is on the disk only once the folder is: without this a power cut could bring back
// the old file, or no file at all on some file systems. The new file is already whole.
void syncFolder(const std::string &folder)
{
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

} // namespace

QString SaveFile::write(const QString &path, const QByteArray &bytes)
{
    const std::string target = fileToReplace(FileName::toNativePath(path));
    TemporaryFile file(target);
    if (const int error = file.openError())
        return systemError(error);
    int error = file.writeAll(bytes);
    error = error != 0 ? error : file.keepModeOf(target);
    error = error != 0 ? error : file.syncAndClose();
    if (error != 0)
        return systemError(error);
    if (!nextFailure().isEmpty())
        return std::exchange(nextFailure(), QString());
    error = file.replace(target);
    if (error != 0)
        return systemError(error);
    syncFolder(folderOf(target));
    return {};
}

void SaveFile::setNextFailure(const QString &error)
{
    nextFailure() = error;
}
