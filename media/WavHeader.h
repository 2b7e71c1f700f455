// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The facts a sound clip's RIFF/WAVE header gives: its sample format and how much sound it holds.
// Plain C++, so that the reader can be fuzzed on its own.
struct WavHeader
{
    std::uint16_t format = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
    // The sound data present in the file: what the data chunk declares, but never more than the
    // bytes that follow it.
    std::uint64_t dataBytes = 0;

    // How long the clip plays.
    double seconds() const;

    // Up to size bytes of the file from offset at; fewer only where the file ends.
    using ReadAt = std::function<std::string(std::uint64_t at, std::size_t size)>;

    // Reads the header of a file of fileSize bytes (RIFF little-endian or RIFX big-endian)
    // through readAt, which is asked for the chunks' headers and the format alone, never for the
    // sound. None when the file is not a WAVE file with a format chunk before its data chunk, or
    // when the format describes no playable sound (no channels, no sample rate, no sample size).
    static std::optional<WavHeader> read(std::uint64_t fileSize, const ReadAt &readAt);
    // The same from the file's bytes.
    static std::optional<WavHeader> parse(std::string_view bytes);
};
