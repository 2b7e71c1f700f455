// SPDX-License-Identifier: MIT
#pragma once

#include "ExportManifest.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>

class ExportStop;

// The folder an export goes to. It is made if missing (with the folders above it); one that
// exists must be empty or hold an earlier export exactly as that export wrote it: its marker file
// (a regular file, not a link) lists each file with its size and SHA-256, and the folder holds
// those files, unchanged, and nothing else (no other file, link or mount point, nor the quiz being
// published). Anything else is refused and the folder is left as it is.
//
// The new export is written beside the folder under a short hidden name (.mm-new-RANDOM), each
// file flushed to the disk, and takes the folder's place only at commit(): in one step, by
// exchanging the two names, where the file system allows it. The folder swapped out is checked
// again, and put back if anything was saved into it meanwhile. Until then the earlier export stays
// whole; a failed export removes what it wrote, and the folders it made.
//
// A folder that cannot be renamed (a mount point: the root of a USB stick, a container volume,
// or a folder on another file system than its parent) and the working directory are updated in
// place instead. The new files are written into a hidden folder inside it, on its own file
// system. At commit() the earlier export's files move into a second hidden folder there,
// index.html first; the folder is checked again to hold nothing else; then the new files move in
// by rename, index.html last. So whenever there is an index.html, it and every file it names come
// from one export; for that moment there is none.
//
// Hidden folders that only an export can have left (their name, and a marker that lists every
// file in them) are removed by the next export, unless an export still running holds them.
class ExportFolder
{
    Q_DECLARE_TR_FUNCTIONS(ExportFolder)

public:
    // target: the folder, as the system names it; marker: the name of the marker file; quizFiles:
    // the files being published, which are never replaced; stop: a request to give up, or null.
    ExportFolder(std::filesystem::path target, std::string marker, const std::vector<std::string> &quizFiles,
                 ExportStop *stop);
    ~ExportFolder();
    ExportFolder(const ExportFolder &) = delete;
    ExportFolder &operator=(const ExportFolder &) = delete;

    // Checks the target and makes the new folder; false, with error(), when it cannot.
    bool open();
    // Gives the bytes of a file a part at a time to add.
    using Parts = std::function<void(const std::function<void(const QByteArray &part)> &add)>;

    // Writes a file of the new folder (relative, with its folders); the first failure is kept.
    void write(const QString &relative, const QByteArray &bytes);
    // The same for a file written a part at a time as parts makes them, so it is never held whole.
    void write(const QString &relative, const Parts &parts);
    // Puts the new export in the target's place, unless something failed; the earlier one goes.
    void commit();

    // Why the export cannot be made; empty while it can.
    const QString &error() const { return problem; }
    // What could not be tidied, one line each.
    const QStringList &warnings() const { return notes; }
    // The path a file of the export has once in place.
    std::string placed(const char *relative) const;

    // What a folder holds, as lstat() sees it, by relative path.
    struct Entry
    {
        mode_t type = 0;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec modified {};
        bool mountPoint = false;
    };
    using Listing = std::map<std::string, Entry>;
    // Entries that are not the export's, each with why.
    using Foreign = std::vector<std::pair<std::string, QString>>;

private:
    enum class Before { Nothing, Empty, Earlier };

    void fail(const QString &what, const QString &reason = QString());
    void failForeign(const Foreign &foreign);
    bool resolveTarget();
    bool checkTarget();
    bool checkEarlier(const Listing &listing);
    Foreign foreignIn(const Listing &listing, const ExportManifest::Files *files,
                      const QString &markerProblem) const;
    bool makeParents();
    bool makeNewFolder();
    void tidy(const std::filesystem::path &folder);
    bool swapIn();
    bool swapBack(const std::filesystem::path &out);
    bool placeInside();
    Foreign strayInside(const std::filesystem::path &aside) const;
    void removeEarlier();
    void removeWritten();

    std::filesystem::path target;
    std::string marker;
    std::vector<std::pair<dev_t, ino_t>> quizzes;
    ExportStop *stop;
    Before before = Before::Nothing;
    bool inPlace = false;
    ExportManifest::Files earlier;
    Listing earlierListing;
    std::string suffix;
    std::filesystem::path fresh;
    int freshLock = -1;
    int markerFile = -1;
    ExportManifest::Files written;
    std::vector<std::string> writtenOrder;
    std::set<std::filesystem::path> folders;
    std::vector<std::filesystem::path> madeParents;
    std::filesystem::path leftover;
    bool committed = false;
    QString problem;
    QStringList notes;
};
