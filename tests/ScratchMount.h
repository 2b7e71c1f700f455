// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QString>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

#include <vector>

// A small file system of a test's own (a 64 KiB tmpfs) over a folder, where the test may mount
// one (as root): it can be filled to the brim or made read-only, as a user's disk can be.
class ScratchMount
{
public:
    // Mounts nothing unless wanted.
    ScratchMount(const QString &folder, bool wanted) : folder(QFile::encodeName(folder))
    {
        isMounted = wanted && ::mount("tmpfs", this->folder.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~ScratchMount()
    {
        if (isMounted)
            ::umount2(folder.constData(), MNT_DETACH);
    }
    ScratchMount(const ScratchMount &) = delete;
    ScratchMount &operator=(const ScratchMount &) = delete;

    bool mounted() const { return isMounted; }

    // Writes a file "filler" until no byte more fits.
    void fill() const
    {
        const int file = ::open((folder + "/filler").constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const std::vector<char> block(4096, 'x');
        while (file >= 0 && ::write(file, block.data(), block.size()) > 0) { }
        ::close(file);
    }

    bool makeReadOnly() const
    {
        return ::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QByteArray folder;
    bool isMounted = false;
};
