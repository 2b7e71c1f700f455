// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

// The folder an export goes to. It is made if missing; one that exists must be empty or hold an
// earlier export (its marker file). The new export is written into a new folder beside it, each
// file written and flushed to the disk, and takes the folder's place only at commit(), in one
// step where the file system allows it: until then the earlier export stays whole, and a failed
// export leaves nothing behind.
class ExportFolder
{
    Q_DECLARE_TR_FUNCTIONS(ExportFolder)

public:
    // target: the folder, as the system names it; marker: the file an earlier export holds.
    ExportFolder(std::filesystem::path target, const char *marker);
    ~ExportFolder();
    ExportFolder(const ExportFolder &) = delete;
    ExportFolder &operator=(const ExportFolder &) = delete;

    // Checks the target and makes the new folder beside it; false, with error(), when it cannot.
    bool open();
    // Gives the bytes of a file a part at a time to add.
    using Parts = std::function<void(const std::function<void(const QByteArray &part)> &add)>;

    // Writes a file of the new folder (relative, with its folders); the first failure is kept.
    void write(const QString &relative, const QByteArray &bytes);
    // The same for a file written a part at a time as parts makes them, so it is never held whole.
    void write(const QString &relative, const Parts &parts);
    // Puts the new folder in the target's place, unless something failed; the earlier export goes.
    void commit();

    // Why the export cannot be made; empty while it can.
    const QString &error() const { return problem; }
    // The path a file of the export has once in place.
    std::string placed(const char *relative) const;

private:
    // Keeps the first failure: what failed, and the system's reason where there is one.
    void fail(const QString &what, const QString &reason = QString());
    bool checkTarget();
    bool makeNewFolder();
    void swapIn();

    std::filesystem::path target;
    const char *marker;
    std::filesystem::path fresh;
    // The folders of the new export's files, flushed to the disk before it takes the target's place.
    std::set<std::filesystem::path> folders;
    bool committed = false;
    QString problem;
};
