// SPDX-License-Identifier: MIT
#include "ExportFolder.h"

#include "FileName.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString shown(const fs::path &path)
{
    return FileName::shown(FileName::fromNative(path.native()));
}

// Writes a whole new file, flushed to the disk; why it cannot be, or nothing. The file is opened
// by the system's name for it, which QFile would not keep where it is not UTF-8.
QString writeFile(const fs::path &path, const ExportFolder::Parts &parts)
{
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0)
        return systemReason(errno);
    QFile file;
    file.open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle);
    QString failed;
    parts([&](const QByteArray &part) {
        if (failed.isEmpty() && file.write(part) != part.size())
            failed = file.errorString();
    });
    if (!failed.isEmpty())
        return failed;
    return ::fsync(descriptor) == 0 ? QString() : systemReason(errno);
}

void syncFolder(const fs::path &folder)
{
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

} // namespace

ExportFolder::ExportFolder(fs::path target, const char *marker)
    : target(std::move(target)), marker(marker) { }

ExportFolder::~ExportFolder()
{
    std::error_code ignored;
    if (!fresh.empty() && !committed)
        fs::remove_all(fresh, ignored);
}

void ExportFolder::fail(const QString &what, const QString &reason)
{
    if (problem.isEmpty())
        problem = reason.isEmpty() ? what : tr("%1 (%2).").arg(what, reason);
}

bool ExportFolder::open()
{
    std::error_code error;
    target = fs::absolute(target, error);
    // A link to a folder stands for the folder.
    if (fs::is_symlink(target, error) && fs::is_directory(target, error))
        target = fs::canonical(target, error);
    return checkTarget() && makeNewFolder();
}

bool ExportFolder::checkTarget()
{
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (status.type() == fs::file_type::not_found)
        return true;
    if (error) {
        fail(tr("it cannot be looked at"), systemReason(error.value()));
        return false;
    }
    if (!fs::is_directory(status)) {
        fail(tr("it is a file, not a folder."));
        return false;
    }
    fs::directory_iterator entries(target, error);
    if (error) {
        fail(tr("it cannot be read"), systemReason(error.value()));
        return false;
    }
    if (entries == fs::directory_iterator() || fs::exists(target / marker, error))
        return true;
    fail(tr("it holds other files: give an empty folder, or the folder of an earlier export."));
    return false;
}

// Beside the target, so that it can take the target's place by a rename.
bool ExportFolder::makeNewFolder()
{
    std::error_code error;
    const fs::path parent = target.parent_path();
    fs::create_directories(parent, error);
    if (error) {
        fail(tr("its folder \"%1\" cannot be made").arg(shown(parent)), systemReason(error.value()));
        return false;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = parent
            / ("." + target.filename().native() + ".new-"
               + std::to_string(QRandomGenerator::global()->generate()));
        if (::mkdir(candidate.c_str(), 0777) == 0) {
            fresh = candidate;
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    fail(tr("nothing can be written in \"%1\"").arg(shown(parent)), systemReason(errno));
    return false;
}

void ExportFolder::write(const QString &relative, const QByteArray &bytes)
{
    write(relative, [&bytes](const auto &add) { add(bytes); });
}

void ExportFolder::write(const QString &relative, const Parts &parts)
{
    if (!problem.isEmpty())
        return;
    const fs::path path = fresh / FileName::toNativePath(relative);
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    folders.insert(path.parent_path());
    const QString failed = error ? systemReason(error.value()) : writeFile(path, parts);
    if (!failed.isEmpty())
        fail(tr("\"%1\" cannot be written").arg(relative), failed);
}

void ExportFolder::commit()
{
    if (!problem.isEmpty())
        return;
    for (const fs::path &folder : folders)
        syncFolder(folder);
    swapIn();
    syncFolder(target.parent_path());
}

// In one step where the file system can exchange two names; otherwise the earlier export is moved
// aside for the moment of two renames.
void ExportFolder::swapIn()
{
    std::error_code error;
    if (!fs::exists(target, error)) {
        if (::rename(fresh.c_str(), target.c_str()) != 0)
            return fail(tr("it cannot be made"), systemReason(errno));
        committed = true;
        return;
    }
    if (::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) != 0) {
        if (errno != EINVAL && errno != ENOSYS)
            return fail(tr("it cannot be replaced"), systemReason(errno));
        const fs::path aside = fresh.native() + ".old";
        if (::rename(target.c_str(), aside.c_str()) != 0)
            return fail(tr("it cannot be replaced"), systemReason(errno));
        if (::rename(fresh.c_str(), target.c_str()) != 0) {
            const int reason = errno;
            ::rename(aside.c_str(), target.c_str());
            return fail(tr("it cannot be replaced"), systemReason(reason));
        }
        fresh = aside;
    }
    // The earlier export now has the new folder's name.
    committed = true;
    fs::remove_all(fresh, error);
}

std::string ExportFolder::placed(const char *relative) const
{
    return (target / relative).native();
}
