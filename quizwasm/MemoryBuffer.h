// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <streambuf>

// Bytes already in memory, read as a stream without a copy of them.
class MemoryBuffer : public std::streambuf
{
public:
    MemoryBuffer(const char *bytes, std::size_t size)
    {
        char *start = const_cast<char *>(bytes);
        setg(start, start, start + size);
    }
};
