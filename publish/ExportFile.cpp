// SPDX-License-Identifier: MIT
#include "ExportFile.h"

#include "ExportStop.h"
#include "FileName.h"
#include "SystemFile.h"

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

// How far into a file its marker is looked for: the page's head comes first.
constexpr std::size_t MarkerReach = 4096;

// Whether the start of the regular file at path holds marker; it is read without following a link.
bool holdsMarker(const fs::path &path, std::string_view marker)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        return false;
    std::string start(MarkerReach, '\0');
    const ssize_t read = ::read(descriptor, start.data(), start.size());
    ::close(descriptor);
    return read > 0 && start.substr(0, std::size_t(read)).find(marker) != std::string::npos;
}

} // namespace

ExportFile::ExportFile(fs::path target, std::string_view marker, ExportStop *stop)
    : target(std::move(target)), marker(marker), stop(stop)
{
}

ExportFile::~ExportFile()
{
    if (!placedOnce)
        removeNew();
}

void ExportFile::fail(const QString &what, const QString &reason)
{
    if (problem.isEmpty())
        problem = reason.isEmpty() ? what : tr("%1 (%2).").arg(what, reason);
}

void ExportFile::removeNew()
{
    if (descriptor >= 0)
        ::close(descriptor);
    descriptor = -1;
    if (!fresh.empty())
        ::unlink(fresh.c_str());
    fresh.clear();
}

bool ExportFile::open()
{
    std::error_code error;
    target = fs::absolute(target, error);
    return checkTarget() && makeNewFile();
}

bool ExportFile::checkTarget()
{
    struct stat status
    {
    };
    if (::lstat(target.c_str(), &status) != 0) {
        if (errno == ENOENT)
            return true;
        fail(tr("it cannot be looked at"), SystemFile::reason(errno));
        return false;
    }
    if (S_ISLNK(status.st_mode)) {
        fail(tr("it is a link; give the file itself, or a new name."));
        return false;
    }
    if (S_ISDIR(status.st_mode)) {
        fail(tr("it is a folder, not a file."));
        return false;
    }
    if (!S_ISREG(status.st_mode) || !holdsMarker(target, marker)) {
        fail(tr("it is not a page this program wrote as one file; give a new name, or the file of an "
                "earlier export."));
        return false;
    }
    return true;
}

// Beside the target, so that it can take the target's place by a rename.
bool ExportFile::makeNewFile()
{
    const fs::path parent = target.parent_path();
    std::unique_lock<std::mutex> held;
    if (stop) {
        held = stop->hold();
        if (stop->givenUp()) {
            fail(tr("the export was interrupted."));
            return false;
        }
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = parent
            / ("." + target.filename().native() + ".new-"
               + std::to_string(QRandomGenerator::global()->generate()));
        descriptor = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (descriptor >= 0) {
            fresh = candidate;
            if (stop)
                stop->setRemoval([this] { ::unlink(fresh.c_str()); });
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    fail(tr("nothing can be written in \"%1\"").arg(SystemFile::shown(parent)), SystemFile::reason(errno));
    return false;
}

void ExportFile::write(const std::function<void(const Part &add)> &parts)
{
    int failed = 0;
    parts([&](std::string_view part) {
        if (failed == 0 && !SystemFile::writeAll(descriptor, part.data(), part.size()))
            failed = errno;
    });
    if (failed == 0 && ::fsync(descriptor) != 0)
        failed = errno;
    if (failed != 0)
        fail(tr("it cannot be written"), SystemFile::reason(failed));
}

void ExportFile::commit()
{
    if (!problem.isEmpty())
        return;
    std::unique_lock<std::mutex> held;
    if (stop && !stop->startPlacing(held))
        return fail(tr("the export was interrupted."));
    if (stop)
        stop->reached(ExportStop::Moment::WhilePlacing);
    ::close(descriptor);
    descriptor = -1;
    if (::rename(fresh.c_str(), target.c_str()) != 0) {
        fail(tr("it cannot be replaced"), SystemFile::reason(errno));
        return;
    }
    placedOnce = true;
    if (stop) {
        stop->setPlaced();
        stop->setRemoval({});
    }
    SystemFile::syncFolder(target.parent_path());
}
