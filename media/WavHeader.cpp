// SPDX-License-Identifier: MIT
#include "WavHeader.h"

#include <algorithm>

namespace {

std::uint32_t number(std::string_view bytes, std::size_t at, int size, bool bigEndian)
{
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[at + (bigEndian ? i : size - 1 - i)]);
        value = value << 8 | byte;
    }
    return value;
}

constexpr std::size_t RiffHeaderSize = 12;
constexpr std::size_t ChunkHeaderSize = 8;
constexpr std::size_t FormatChunkSize = 16;

} // namespace

double WavHeader::seconds() const
{
    const std::uint64_t bytesPerFrame = std::uint64_t(channels) * ((bitsPerSample + 7) / 8);
    return static_cast<double>(dataBytes) / static_cast<double>(bytesPerFrame * sampleRate);
}

std::optional<WavHeader> WavHeader::read(std::uint64_t fileSize, const ReadAt &readAt)
{
    const std::string riffHeader = fileSize < RiffHeaderSize ? std::string() : readAt(0, RiffHeaderSize);
    const std::string_view start = riffHeader;
    if (start.size() < RiffHeaderSize || start.substr(8, 4) != "WAVE")
        return std::nullopt;
    const std::string_view riff = start.substr(0, 4);
    if (riff != "RIFF" && riff != "RIFX")
        return std::nullopt;
    const bool bigEndian = riff == "RIFX";

    WavHeader header;
    bool haveFormat = false;
    for (std::uint64_t at = RiffHeaderSize; fileSize - at >= ChunkHeaderSize;) {
        const std::string chunk = readAt(at, ChunkHeaderSize);
        if (chunk.size() < ChunkHeaderSize)
            return std::nullopt;
        const std::string_view id = std::string_view(chunk).substr(0, 4);
        const std::uint64_t declared = number(chunk, 4, 4, bigEndian);
        const std::uint64_t body = at + ChunkHeaderSize;
        const std::uint64_t present = std::min<std::uint64_t>(declared, fileSize - body);
        if (id == "fmt " && present >= FormatChunkSize) {
            const std::string format = readAt(body, FormatChunkSize);
            if (format.size() < FormatChunkSize)
                return std::nullopt;
            header.format = static_cast<std::uint16_t>(number(format, 0, 2, bigEndian));
            header.channels = static_cast<std::uint16_t>(number(format, 2, 2, bigEndian));
            header.sampleRate = number(format, 4, 4, bigEndian);
            header.bitsPerSample = static_cast<std::uint16_t>(number(format, 14, 2, bigEndian));
            haveFormat = true;
        } else if (id == "data") {
            header.dataBytes = present;
            const bool playable = header.channels > 0 && header.sampleRate > 0 && header.bitsPerSample > 0;
            return haveFormat && playable ? std::optional(header) : std::nullopt;
        }
        // Chunks are padded to an even length.
        const std::uint64_t next = body + declared + (declared & 1);
        if (next >= fileSize)
            break;
        at = next;
    }
    return std::nullopt;
}

std::optional<WavHeader> WavHeader::parse(std::string_view bytes)
{
    return read(bytes.size(), [bytes](std::uint64_t at, std::size_t size) {
        return at < bytes.size() ? std::string(bytes.substr(static_cast<std::size_t>(at), size))
                                 : std::string();
    });
}
