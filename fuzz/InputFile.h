// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

// The readers under test take a path, so each input is written to an anonymous in-memory file (memfd)
// and read back through its /proc/self/fd path. The file lives as long as the process and leaves
// nothing behind, even when a finding ends the process.
class InputFile
{
public:
    explicit InputFile(const char *name) : descriptor(memfd_create(name, MFD_CLOEXEC))
    {
        if (descriptor < 0) {
            std::perror("memfd_create");
            std::abort();
        }
        path = "/proc/self/fd/" + std::to_string(descriptor);
    }

    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    void write(const std::uint8_t *data, std::size_t size)
    {
        if (ftruncate(descriptor, 0) != 0)
            std::abort();
        for (std::size_t done = 0; done < size;) {
            const ssize_t written = pwrite(descriptor, data + done, size - done, static_cast<off_t>(done));
            if (written <= 0)
                std::abort();
            done += static_cast<std::size_t>(written);
        }
    }

    std::filesystem::path path;

private:
    int descriptor;
};
