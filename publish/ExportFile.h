// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

class ExportStop;

// The file an export as one page goes to. It must not exist, or be a regular file (not a link)
// that holds marker near its start: one this program wrote. The new file is written beside it
// with a name of its own, flushed to the disk, and takes the target's place at commit() by one
// rename: until then an earlier file stays whole, and a failed export leaves only what was there.
class ExportFile
{
    Q_DECLARE_TR_FUNCTIONS(ExportFile)

public:
    using Part = std::function<void(std::string_view part)>;

    ExportFile(std::filesystem::path target, std::string_view marker, ExportStop *stop);
    ~ExportFile();
    ExportFile(const ExportFile &) = delete;
    ExportFile &operator=(const ExportFile &) = delete;

    // Checks the target and makes the new file beside it; false, with error(), when it cannot.
    bool open();
    // Writes the new file a part at a time as parts makes them; the first failure is kept.
    void write(const std::function<void(const Part &add)> &parts);
    // Puts the new file in the target's place, unless something failed or the export was given up.
    void commit();

    // Why the export cannot be made; empty while it can.
    const QString &error() const { return problem; }
    // The path of the file once in place.
    std::string placed() const { return target.native(); }

private:
    void fail(const QString &what, const QString &reason = QString());
    bool checkTarget();
    bool makeNewFile();
    void removeNew();

    std::filesystem::path target;
    std::string_view marker;
    ExportStop *stop;
    std::filesystem::path fresh;
    int descriptor = -1;
    bool placedOnce = false;
    QString problem;
};
