// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// SHA-256 (FIPS 180-4) of bytes given a part at a time, as a Content-Security-Policy hash needs it.
class Sha256
{
public:
    using Digest = std::array<std::uint8_t, 32>;

    Sha256();
    void add(std::string_view bytes);
    // The digest of all that was added; the hash takes no more after it.
    Digest finish();

    static Digest of(std::string_view bytes);

private:
    void compress(const std::uint8_t *data);

    std::array<std::uint32_t, 8> state;
    std::array<std::uint8_t, 64> block {};
    std::size_t filled = 0;
    std::uint64_t length = 0;
};
