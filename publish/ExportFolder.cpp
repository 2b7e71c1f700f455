// SPDX-License-Identifier: MIT
#include "ExportFolder.h"

#include "ExportStop.h"
#include "FileName.h"
#include "SystemFile.h"

#include <QCryptographicHash>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <system_error>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace fs = std::filesystem;
using Entry = ExportFolder::Entry;
using Listing = ExportFolder::Listing;
using Foreign = ExportFolder::Foreign;

namespace {

constexpr const char *NewPrefix = ".mm-new-";
constexpr const char *OldPrefix = ".mm-old-";
constexpr std::size_t SuffixDigits = 16;
constexpr std::size_t NamedAtMost = 5;

// A hidden folder only an export makes: a prefix and sixteen hex digits.
bool isHiddenCopy(const std::string &name)
{
    if (name.size() != std::strlen(NewPrefix) + SuffixDigits
        || (name.rfind(NewPrefix, 0) != 0 && name.rfind(OldPrefix, 0) != 0))
        return false;
    return std::all_of(name.end() - SuffixDigits, name.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// Whether path is the root of a mount: the kernel says so where it can, else its device differs
// from its parent's.
bool isMountPoint(const fs::path &path, dev_t parentDevice)
{
    struct statx status = {};
    if (::statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, STATX_INO, &status) == 0
        && (status.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT))
        return status.stx_attributes & STATX_ATTR_MOUNT_ROOT;
    struct stat own = {};
    return ::lstat(path.c_str(), &own) == 0 && own.st_dev != parentDevice;
}

std::optional<Entry> entryOf(const fs::path &path, dev_t parentDevice)
{
    struct stat status = {};
    if (::lstat(path.c_str(), &status) != 0)
        return std::nullopt;
    return Entry { status.st_mode & S_IFMT, status.st_dev,
                   status.st_ino,           status.st_size,
                   status.st_mtim,          S_ISDIR(status.st_mode) && isMountPoint(path, parentDevice) };
}

// Everything below root, without following links or entering mount points; false, with errno,
// when a folder cannot be read.
bool listFolder(const fs::path &root, const std::string &prefix, dev_t device, Listing &listing)
{
    DIR *folder = ::opendir((root / prefix).c_str());
    if (!folder)
        return false;
    std::vector<std::string> names;
    while (const dirent *entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(folder);
    for (const std::string &name : names) {
        const std::string relative = prefix.empty() ? name : std::string(prefix).append(1, '/').append(name);
        const auto entry = entryOf(root / relative, device);
        if (!entry)
            continue;
        listing[relative] = *entry;
        if (entry->type == S_IFDIR && !entry->mountPoint && !listFolder(root, relative, device, listing))
            return false;
    }
    return true;
}

std::optional<Listing> listed(const fs::path &root)
{
    struct stat status = {};
    Listing listing;
    if (::lstat(root.c_str(), &status) != 0 || !listFolder(root, {}, status.st_dev, listing))
        return std::nullopt;
    return listing;
}

// The marker's bytes, when it is a regular file of a marker's size.
std::optional<QByteArray> markerBytes(const fs::path &path, QString *problem)
{
    const int file = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat status = {};
    if (file < 0 || ::fstat(file, &status) != 0 || !S_ISREG(status.st_mode)
        || status.st_size > ExportManifest::MaxMarkerSize) {
        if (file >= 0)
            ::close(file);
        *problem = errno == ELOOP ? ExportFolder::tr("a symbolic link")
                                  : ExportFolder::tr("not a marker this program wrote");
        return std::nullopt;
    }
    QByteArray bytes(status.st_size, Qt::Uninitialized);
    const ssize_t read = ::read(file, bytes.data(), bytes.size());
    ::close(file);
    if (read != status.st_size) {
        *problem = ExportFolder::tr("not a marker this program wrote");
        return std::nullopt;
    }
    return bytes;
}

std::optional<ExportManifest::Files> manifestOf(const fs::path &marker, QString *problem)
{
    const auto bytes = markerBytes(marker, problem);
    if (!bytes)
        return std::nullopt;
    if (ExportManifest::isUnlisted(*bytes)) {
        *problem = ExportFolder::tr("the marker of an older version, which does not list its files");
        return std::nullopt;
    }
    auto files = ExportManifest::parse(*bytes);
    if (!files)
        *problem = ExportFolder::tr("not a marker this program wrote");
    return files;
}

bool hashMatches(const fs::path &path, const QByteArray &sha256)
{
    const int file = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (file < 0)
        return false;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    std::vector<char> block(1 << 20);
    ssize_t read = 0;
    while ((read = ::read(file, block.data(), block.size())) > 0)
        hash.addData(QByteArrayView(block.data(), read));
    ::close(file);
    return read == 0 && hash.result().toHex() == sha256;
}

// Whether any listed file lies in the folder relative.
bool holdsListed(const ExportManifest::Files &files, const std::string &relative)
{
    const auto after = files.lower_bound(relative + '/');
    return after != files.end() && after->first.rfind(relative + '/', 0) == 0;
}

// The folders the files lie in, deepest first.
std::vector<std::string> foldersOf(const ExportManifest::Files &files)
{
    std::set<std::string> folders;
    for (const auto &[path, file] : files)
        for (std::size_t slash = path.find('/'); slash != std::string::npos;
             slash = path.find('/', slash + 1))
            folders.insert(path.substr(0, slash));
    std::vector<std::string> deepestFirst(folders.rbegin(), folders.rend());
    return deepestFirst;
}

// Removes the listed files and the folders they lie in, then the marker and root: only what an
// export wrote, so a file saved among them keeps its folder. Where something cannot be removed,
// the marker stays, so that the next export knows the rest as its own. Why not, or nothing.
QString removeListed(const fs::path &root, const ExportManifest::Files &files, const std::string &marker)
{
    int error = 0;
    const auto removed = [&error](int result) {
        if (result != 0 && errno != ENOENT && error == 0)
            error = errno;
    };
    for (const auto &[path, file] : files)
        removed(::unlink((root / path).c_str()));
    for (const std::string &folder : foldersOf(files))
        removed(::rmdir((root / folder).c_str()));
    if (error == 0)
        removed(::unlink((root / marker).c_str()));
    if (error == 0)
        removed(::rmdir(root.c_str()));
    return error == 0 ? QString() : SystemFile::reason(error);
}

// What differs from the listing taken before: anything new, or changed.
Foreign changedSince(const Listing &now, const Listing &before)
{
    Foreign changed;
    for (auto entry = now.begin(); entry != now.end(); ++entry) {
        const auto known = before.find(entry->first);
        const Entry &was = known == before.end() ? Entry {} : known->second;
        const Entry &is = entry->second;
        if (known != before.end() && is.type == was.type && is.inode == was.inode && is.size == was.size
            && is.modified.tv_sec == was.modified.tv_sec && is.modified.tv_nsec == was.modified.tv_nsec)
            continue;
        changed.emplace_back(entry->first, ExportFolder::tr("saved while the export ran"));
        if (is.type == S_IFDIR) {
            const std::string inside = entry->first + '/';
            while (std::next(entry) != now.end() && std::next(entry)->first.rfind(inside, 0) == 0)
                ++entry;
        }
    }
    return changed;
}

// Renames without replacing anything that is there; false, with errno, when it cannot.
bool renameNew(const fs::path &from, const fs::path &to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    struct stat status = {};
    if (::lstat(to.c_str(), &status) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.c_str(), to.c_str()) == 0;
}

// Writes a whole new file, flushed to the disk; why it cannot be, or nothing. The file is opened
// by the system's name for it, which QFile would not keep where it is not UTF-8, and written by
// the system, whose reason QFile would not pass on.
QString writeFile(const fs::path &path, const ExportFolder::Parts &parts)
{
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file < 0)
        return SystemFile::reason(errno);
    bool whole = true;
    parts([&](const QByteArray &part) {
        whole = whole && SystemFile::writeAll(file, part.constData(), static_cast<std::size_t>(part.size()));
    });
    whole = whole && ::fsync(file) == 0;
    const int reason = errno;
    ::close(file);
    return whole ? QString() : SystemFile::reason(reason);
}

bool sameFile(const fs::path &a, const fs::path &b)
{
    struct stat first = {}, second = {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev
        && first.st_ino == second.st_ino;
}

// A hidden folder that only an export can have left: every file in it is one its marker lists,
// no larger than listed (the last may be cut short), and there is nothing else.
std::optional<ExportManifest::Files> leftoverFiles(const fs::path &folder, const std::string &marker)
{
    QString problem;
    auto files = manifestOf(folder / marker, &problem);
    const auto listing = listed(folder);
    if (!files || !listing)
        return std::nullopt;
    for (const auto &[path, entry] : *listing) {
        const auto file = files->find(path);
        const bool ours = path == marker
            || (entry.type == S_IFDIR && !entry.mountPoint && holdsListed(*files, path))
            || (entry.type == S_IFREG && file != files->end()
                && std::uint64_t(entry.size) <= file->second.size);
        if (!ours)
            return std::nullopt;
    }
    return files;
}

// The files in the order they move: the marker first, index.html next and the rest after it when
// an earlier export leaves (so that there is no index.html while it goes); the other way round
// when the new export comes in, so that index.html comes last.
std::vector<std::string> inOrder(const ExportManifest::Files &files, const std::string &marker, bool arriving)
{
    std::vector<std::string> order;
    for (const auto &[path, file] : files)
        if (path != "index.html")
            order.push_back(path);
    if (arriving) {
        order.push_back(marker);
        if (files.count("index.html"))
            order.emplace_back("index.html");
        return order;
    }
    if (files.count("index.html"))
        order.insert(order.begin(), "index.html");
    order.insert(order.begin(), marker);
    return order;
}

// Renames done one by one, each without replacing anything, with the folders they need; undone
// in reverse order when a later one fails.
class Moves
{
public:
    bool makeFolder(const fs::path &folder)
    {
        if (::mkdir(folder.c_str(), 0777) != 0)
            return false;
        made.push_back(folder);
        return true;
    }

    // Each of paths from one folder to the other; false, with errno, at the first that fails.
    bool all(const std::vector<std::string> &paths, const fs::path &from, const fs::path &to)
    {
        return std::all_of(paths.begin(), paths.end(),
                           [&](const std::string &path) { return move(from / path, to / path); });
    }

    void undo()
    {
        std::for_each(done.rbegin(), done.rend(),
                      [](const auto &move) { ::rename(move.second.c_str(), move.first.c_str()); });
        std::for_each(made.rbegin(), made.rend(), [](const fs::path &folder) { ::rmdir(folder.c_str()); });
        done.clear();
        made.clear();
    }

private:
    bool move(const fs::path &from, const fs::path &to)
    {
        std::vector<fs::path> missing;
        for (fs::path folder = to.parent_path(); ::access(folder.c_str(), F_OK) != 0;
             folder = folder.parent_path())
            missing.push_back(folder);
        std::for_each(missing.rbegin(), missing.rend(),
                      [this](const fs::path &folder) { makeFolder(folder); });
        if (!renameNew(from, to))
            return false;
        done.emplace_back(from, to);
        return true;
    }

    std::vector<std::pair<fs::path, fs::path>> done;
    std::vector<fs::path> made;
};

} // namespace

ExportFolder::ExportFolder(fs::path target, std::string marker, const std::vector<std::string> &quizFiles,
                           ExportStop *stop)
    : target(std::move(target)), marker(std::move(marker)), stop(stop)
{
    for (const std::string &file : quizFiles) {
        struct stat status = {};
        if (::stat(file.c_str(), &status) == 0)
            quizzes.emplace_back(status.st_dev, status.st_ino);
    }
}

ExportFolder::~ExportFolder()
{
    std::unique_lock<std::mutex> held;
    if (stop) {
        held = stop->hold();
        stop->setRemoval({});
    }
    if (!committed)
        removeWritten();
    if (markerFile >= 0)
        ::close(markerFile);
    if (freshLock >= 0)
        ::close(freshLock);
}

// What this export wrote and the folders it made, as far as they are its own.
void ExportFolder::removeWritten()
{
    if (!fresh.empty())
        removeListed(fresh, written, marker);
    fresh.clear();
    std::for_each(madeParents.rbegin(), madeParents.rend(),
                  [](const fs::path &folder) { ::rmdir(folder.c_str()); });
    madeParents.clear();
}

void ExportFolder::fail(const QString &what, const QString &reason)
{
    if (problem.isEmpty())
        problem = reason.isEmpty() ? what : tr("%1 (%2).").arg(what, reason);
}

void ExportFolder::failForeign(const Foreign &foreign)
{
    QStringList named;
    for (std::size_t i = 0; i < std::min(foreign.size(), NamedAtMost); ++i)
        named << tr("\"%1\" (%2)").arg(SystemFile::shown(foreign[i].first), foreign[i].second);
    if (foreign.size() > NamedAtMost)
        named << tr("and %n more", nullptr, int(foreign.size() - NamedAtMost));
    fail(tr("it holds what no earlier export left there as it was: %1. Nothing was changed. Move these "
            "elsewhere or choose another folder; for a clean slate, delete the folder yourself.")
             .arg(named.join(QStringLiteral(", "))));
}

bool ExportFolder::open()
{
    if (!resolveTarget())
        return false;
    if (fs::path parent = target.parent_path(); ::access(parent.c_str(), F_OK) == 0)
        tidy(parent);
    if (!checkTarget())
        return false;
    std::unique_lock<std::mutex> held;
    if (stop) {
        held = stop->hold();
        if (stop->givenUp()) {
            fail(tr("it was interrupted."));
            return false;
        }
        stop->setRemoval([this] { removeWritten(); });
    }
    return makeParents() && makeNewFolder();
}

// The folder as typed names it: a trailing "/" or "/." names the folder itself, and a link to a
// folder stands for the folder.
bool ExportFolder::resolveTarget()
{
    std::error_code error;
    std::string path = fs::absolute(target, error).native();
    while (path.size() > 1 && (path.ends_with('/') || path.ends_with("/.")))
        path.resize(path.size() - (path.ends_with('/') ? 1 : 2));
    target = path;
    if (target.filename() == ".." || (fs::is_symlink(target, error) && fs::is_directory(target, error)))
        target = fs::weakly_canonical(target, error);
    if (target == target.root_path()) {
        fail(tr("it is the root of the file system."));
        return false;
    }
    return true;
}

bool ExportFolder::checkTarget()
{
    struct stat status = {};
    if (::lstat(target.c_str(), &status) != 0) {
        if (errno == ENOENT)
            return true;
        fail(tr("it cannot be looked at"), SystemFile::reason(errno));
        return false;
    }
    if (!S_ISDIR(status.st_mode)) {
        fail(tr("it is a file, not a folder."));
        return false;
    }
    struct stat parent = {};
    ::lstat(target.parent_path().c_str(), &parent);
    inPlace = isMountPoint(target, parent.st_dev) || sameFile(target, ".");
    tidy(target);
    const auto listing = listed(target);
    if (!listing) {
        fail(tr("it cannot be read"), SystemFile::reason(errno));
        return false;
    }
    if (listing->empty()) {
        before = Before::Empty;
        return true;
    }
    return checkEarlier(*listing);
}

// The earlier export is replaced only while the folder holds exactly what its marker lists, and
// only where every folder of it can be emptied, so that it never stays behind half removed.
bool ExportFolder::checkEarlier(const Listing &listing)
{
    QString markerProblem;
    const auto files = manifestOf(target / marker, &markerProblem);
    const Foreign foreign = foreignIn(listing, files ? &*files : nullptr, markerProblem);
    if (!foreign.empty()) {
        failForeign(foreign);
        return false;
    }
    if (!files) {
        before = Before::Empty;
        return true;
    }
    std::vector<std::string> folders = foldersOf(*files);
    folders.emplace_back();
    for (const std::string &folder : folders) {
        if (::access((target / folder).c_str(), W_OK | X_OK) != 0) {
            fail(
                tr("it cannot be replaced: \"%1\" cannot be changed").arg(SystemFile::shown(target / folder)),
                SystemFile::reason(errno));
            return false;
        }
    }
    before = Before::Earlier;
    earlier = *files;
    earlierListing = listing;
    return true;
}

Foreign ExportFolder::foreignIn(const Listing &listing, const ExportManifest::Files *files,
                                const QString &markerProblem) const
{
    Foreign foreign;
    if (!markerProblem.isEmpty() && listing.count(marker))
        foreign.emplace_back(marker, markerProblem);
    for (auto at = listing.begin(); at != listing.end(); ++at) {
        const auto &[path, entry] = *at;
        const auto listed = files ? files->find(path) : ExportManifest::Files::const_iterator();
        const bool isListed = files && listed != files->end();
        QString why;
        if (path == marker || (inPlace && path == "lost+found" && entry.type == S_IFDIR))
            continue;
        if (std::find(quizzes.begin(), quizzes.end(), std::pair(entry.device, entry.inode)) != quizzes.end())
            why = tr("the quiz being published");
        else if (entry.mountPoint)
            why = tr("a mount point");
        else if (entry.type == S_IFLNK)
            why = tr("a symbolic link");
        else if (entry.type != S_IFDIR && entry.type != S_IFREG)
            why = tr("not a regular file");
        else if (entry.type == S_IFDIR ? !(files && holdsListed(*files, path)) : !isListed)
            why = tr("not written by an export");
        else if (entry.type == S_IFREG
                 && (std::uint64_t(entry.size) != listed->second.size
                     || !hashMatches(target / path, listed->second.sha256)))
            why = tr("changed since the export");
        if (why.isEmpty())
            continue;
        foreign.emplace_back(path, why);
        if (entry.type == S_IFDIR)
            while (std::next(at) != listing.end() && std::next(at)->first.rfind(path + '/', 0) == 0)
                ++at;
    }
    if (files)
        for (const auto &[path, file] : *files)
            if (!listing.count(path))
                foreign.emplace_back(path, tr("missing since the export"));
    return foreign;
}

// The folders above the target that are missing, made one by one so that a failed export can
// remove them again.
bool ExportFolder::makeParents()
{
    std::vector<fs::path> missing;
    for (fs::path folder = target.parent_path(); ::access(folder.c_str(), F_OK) != 0 && errno == ENOENT;
         folder = folder.parent_path())
        missing.push_back(folder);
    std::reverse(missing.begin(), missing.end());
    const auto made = [this](const fs::path &folder) {
        if (::mkdir(folder.c_str(), 0777) != 0)
            return errno == EEXIST;
        madeParents.push_back(folder);
        return true;
    };
    const auto failed = std::find_if_not(missing.begin(), missing.end(), made);
    if (failed == missing.end())
        return true;
    fail(tr("its folder \"%1\" cannot be made").arg(SystemFile::shown(*failed)), SystemFile::reason(errno));
    return false;
}

// Beside the target, so that it can take the target's place by a rename, or inside it, on its
// file system, where it is updated in place. The new folder is locked while it is written, so
// that another export does not tidy it away, and its marker lists each file before it is written.
bool ExportFolder::makeNewFolder()
{
    const fs::path base = inPlace ? target : target.parent_path();
    int reason = 0;
    for (int attempt = 0; attempt < 100 && fresh.empty(); ++attempt) {
        char digits[SuffixDigits + 1];
        std::snprintf(digits, sizeof digits, "%016llx",
                      static_cast<unsigned long long>(QRandomGenerator::global()->generate64()));
        const fs::path candidate = base / (NewPrefix + std::string(digits));
        if (::mkdir(candidate.c_str(), 0777) == 0) {
            suffix = digits;
            fresh = candidate;
        } else if ((reason = errno) != EEXIST) {
            break;
        }
    }
    if (fresh.empty()) {
        fail(tr("nothing can be written in \"%1\"").arg(SystemFile::shown(base)), SystemFile::reason(reason));
        return false;
    }
    freshLock = ::open(fresh.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::flock(freshLock, LOCK_EX);
    markerFile = ::open((fresh / marker).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0666);
    const QByteArray heading = ExportManifest::heading();
    if (markerFile < 0
        || !SystemFile::writeAll(markerFile, heading.constData(), std::size_t(heading.size()))) {
        fail(tr("\"%1\" cannot be written").arg(QString::fromStdString(marker)), SystemFile::reason(errno));
        return false;
    }
    return true;
}

// Removes the hidden folders in folder that only an export can have left, and says which cannot
// be removed. One that an export still running holds is left to it.
void ExportFolder::tidy(const fs::path &folder)
{
    std::unique_lock<std::mutex> held;
    if (stop)
        held = stop->hold();
    DIR *entries = ::opendir(folder.c_str());
    if (!entries)
        return;
    std::vector<std::string> names;
    while (const dirent *entry = ::readdir(entries))
        if (isHiddenCopy(entry->d_name))
            names.emplace_back(entry->d_name);
    ::closedir(entries);
    struct stat parent = {};
    ::lstat(folder.c_str(), &parent);
    for (const std::string &name : names) {
        const fs::path copy = folder / name;
        const auto entry = entryOf(copy, parent.st_dev);
        if (!entry || entry->type != S_IFDIR || entry->mountPoint)
            continue;
        const int lock = ::open(copy.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (lock < 0 || ::flock(lock, LOCK_EX | LOCK_NB) != 0) {
            if (lock >= 0)
                ::close(lock);
            continue;
        }
        if (const auto files = leftoverFiles(copy, marker)) {
            const QString failed = removeListed(copy, *files, marker);
            if (!failed.isEmpty())
                notes << tr("Cannot remove \"%1\", which an earlier export left behind (%2); remove it "
                            "yourself.")
                             .arg(SystemFile::shown(copy), failed);
        }
        ::close(lock);
    }
}

void ExportFolder::write(const QString &relative, const QByteArray &bytes)
{
    write(relative, [&bytes](const auto &add) { add(bytes); });
}

void ExportFolder::write(const QString &relative, const Parts &parts)
{
    std::unique_lock<std::mutex> held;
    if (stop)
        held = stop->hold();
    if (!problem.isEmpty())
        return;
    if (stop && stop->givenUp())
        return fail(tr("it was interrupted."));
    const std::string name = FileName::toNativePath(relative);
    const fs::path path = fresh / name;
    // The file is listed before it is written, so that even a copy cut short lists all it holds:
    // its hash and size come from a first making of its parts, which are not kept.
    QCryptographicHash hash(QCryptographicHash::Sha256);
    std::uint64_t size = 0;
    parts([&](const QByteArray &part) {
        hash.addData(part);
        size += std::uint64_t(part.size());
    });
    const QByteArray line = ExportManifest::line(name, hash.result().toHex(), size);
    if (!ExportManifest::isFilePath(name) || name == marker || written.count(name))
        return fail(tr("\"%1\" cannot be written").arg(relative), SystemFile::reason(EINVAL));
    if (!SystemFile::writeAll(markerFile, line.constData(), std::size_t(line.size())))
        return fail(tr("\"%1\" cannot be written").arg(QString::fromStdString(marker)),
                    SystemFile::reason(errno));
    written[name] = { size, line.left(64) };
    writtenOrder.push_back(name);
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    folders.insert(path.parent_path());
    const QString failed = error ? SystemFile::reason(error.value()) : writeFile(path, parts);
    if (!failed.isEmpty())
        fail(tr("\"%1\" cannot be written").arg(relative), failed);
}

void ExportFolder::commit()
{
    if (!problem.isEmpty())
        return;
    if (::fsync(markerFile) != 0)
        return fail(tr("\"%1\" cannot be written").arg(QString::fromStdString(marker)),
                    SystemFile::reason(errno));
    for (const fs::path &folder : folders)
        SystemFile::syncFolder(folder);
    SystemFile::syncFolder(fresh);
    {
        std::unique_lock<std::mutex> held;
        if (stop && !stop->startPlacing(held))
            return fail(tr("it was interrupted."));
        if (!(inPlace ? placeInside() : swapIn()))
            return;
        committed = true;
        if (stop) {
            stop->reached(ExportStop::Moment::WhilePlacing);
            stop->setPlaced();
            stop->setRemoval({});
        }
    }
    SystemFile::syncFolder(target);
    SystemFile::syncFolder(target.parent_path());
    removeEarlier();
}

// In one step where the file system can exchange two names; otherwise the earlier export is moved
// aside for the moment of two renames. What was swapped out is checked again.
bool ExportFolder::swapIn()
{
    if (before == Before::Nothing) {
        if (renameNew(fresh, target))
            return true;
        fail(errno == EEXIST || errno == ENOTEMPTY ? tr("it was made by something else while the export ran; "
                                                        "nothing was changed.")
                                                   : tr("it cannot be made"),
             errno == EEXIST || errno == ENOTEMPTY ? QString() : SystemFile::reason(errno));
        return false;
    }
    fs::path out = fresh;
    if (::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) != 0) {
        if (errno != EINVAL && errno != ENOSYS) {
            fail(tr("it cannot be replaced"), SystemFile::reason(errno));
            return false;
        }
        out = target.parent_path() / (OldPrefix + suffix);
        if (::rename(target.c_str(), out.c_str()) != 0) {
            fail(tr("it cannot be replaced"), SystemFile::reason(errno));
            return false;
        }
        if (!renameNew(fresh, target)) {
            const int reason = errno;
            ::rename(out.c_str(), target.c_str());
            fail(tr("it cannot be replaced"), SystemFile::reason(reason));
            return false;
        }
    }
    if (before == Before::Empty && ::rmdir(out.c_str()) == 0)
        return true;
    const Foreign changed = changedSince(listed(out).value_or(Listing {}), earlierListing);
    if (changed.empty()) {
        leftover = out;
        return true;
    }
    if (swapBack(out))
        failForeign(changed);
    return false;
}

bool ExportFolder::swapBack(const fs::path &out)
{
    const bool back = out == fresh
        ? ::renameat2(AT_FDCWD, fresh.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0
        : ::rename(target.c_str(), fresh.c_str()) == 0 && ::rename(out.c_str(), target.c_str()) == 0;
    if (!back)
        fail(tr("it was changed while the export ran, and the earlier folder cannot be put back from \"%1\"")
                 .arg(SystemFile::shown(out)),
             SystemFile::reason(errno));
    return back;
}

// File by file, for a folder that cannot be renamed: see the class's note.
bool ExportFolder::placeInside()
{
    const fs::path aside = target / (OldPrefix + suffix);
    Moves moves;
    std::vector<std::string> old;
    if (before == Before::Earlier)
        old = inOrder(earlier, marker, false);
    if (!moves.makeFolder(aside) || !moves.all(old, target, aside)) {
        const int reason = errno;
        moves.undo();
        fail(tr("it cannot be replaced"), SystemFile::reason(reason));
        return false;
    }
    if (const Foreign changed = strayInside(aside); !changed.empty()) {
        moves.undo();
        failForeign(changed);
        return false;
    }
    if (!moves.all(inOrder(written, marker, true), fresh, target)) {
        const int reason = errno;
        moves.undo();
        fail(tr("it cannot be replaced"), SystemFile::reason(reason));
        return false;
    }
    for (const std::string &folder : foldersOf(written))
        ::rmdir((fresh / folder).c_str());
    ::rmdir(fresh.c_str());
    for (const std::string &folder : foldersOf(earlier))
        ::rmdir((target / folder).c_str());
    leftover = aside;
    return true;
}

// What was saved into the target, or changed in the earlier export, once that has moved aside:
// nothing may be left but the two hidden folders and the earlier export's own (now empty) folders.
Foreign ExportFolder::strayInside(const fs::path &aside) const
{
    Foreign changed;
    const auto inside = [](const std::string &path, const fs::path &folder) {
        return path == folder.filename().native() || path.rfind(folder.filename().native() + '/', 0) == 0;
    };
    for (const auto &[path, entry] : listed(target).value_or(Listing {})) {
        const auto known = earlierListing.find(path);
        const bool ours = inside(path, aside) || inside(path, fresh)
            || (inPlace && inside(path, "lost+found"))
            || (entry.type == S_IFDIR && known != earlierListing.end() && known->second.inode == entry.inode);
        if (!ours)
            changed.emplace_back(path, tr("saved while the export ran"));
    }
    Listing moved;
    for (const auto &[path, entry] : listed(aside).value_or(Listing {}))
        if (entry.type != S_IFDIR)
            moved[path] = entry;
    for (Foreign::value_type &entry : changedSince(moved, earlierListing))
        changed.push_back(std::move(entry));
    return changed;
}

// The earlier export, now under a hidden name; one that cannot be removed is named, so that it
// does not stay published unnoticed.
void ExportFolder::removeEarlier()
{
    if (leftover.empty())
        return;
    const QString failed = removeListed(leftover, earlier, marker);
    if (!failed.isEmpty())
        notes << tr("The earlier export cannot be removed and stays in \"%1\" (%2); remove it yourself.")
                     .arg(SystemFile::shown(leftover), failed);
}

std::string ExportFolder::placed(const char *relative) const
{
    return (target / relative).native();
}
