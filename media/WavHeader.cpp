// SPDX-License-Identifier: MIT
#include "WavHeader.h"

#include <algorithm>

namespace {

class ByteReader
{
public:
    ByteReader(std::string_view bytes, bool bigEndian) : bytes(bytes), bigEndian(bigEndian) { }

    std::uint32_t number(std::size_t at, int size) const
    {
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i) {
            const auto byte = static_cast<unsigned char>(bytes[at + (bigEndian ? i : size - 1 - i)]);
            value = value << 8 | byte;
        }
        return value;
    }

private:
    std::string_view bytes;
    bool bigEndian;
};

constexpr std::size_t ChunkHeaderSize = 8;
constexpr std::size_t FormatChunkSize = 16;

} // namespace

double WavHeader::seconds() const
{
    const std::uint64_t bytesPerFrame = std::uint64_t(channels) * ((bitsPerSample + 7) / 8);
    return static_cast<double>(dataBytes) / static_cast<double>(bytesPerFrame * sampleRate);
}

std::optional<WavHeader> WavHeader::parse(std::string_view bytes)
{
    if (bytes.size() < 12 || bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    const std::string_view riff = bytes.substr(0, 4);
    if (riff != "RIFF" && riff != "RIFX")
        return std::nullopt;
    const ByteReader reader(bytes, riff == "RIFX");

    WavHeader header;
    bool haveFormat = false;
    for (std::size_t at = 12; bytes.size() - at >= ChunkHeaderSize;) {
        const std::string_view id = bytes.substr(at, 4);
        const std::uint64_t declared = reader.number(at + 4, 4);
        const std::size_t body = at + ChunkHeaderSize;
        const std::uint64_t present = std::min<std::uint64_t>(declared, bytes.size() - body);
        if (id == "fmt " && present >= FormatChunkSize) {
            header.format = static_cast<std::uint16_t>(reader.number(body, 2));
            header.channels = static_cast<std::uint16_t>(reader.number(body + 2, 2));
            header.sampleRate = reader.number(body + 4, 4);
            header.bitsPerSample = static_cast<std::uint16_t>(reader.number(body + 14, 2));
            haveFormat = true;
        } else if (id == "data") {
            header.dataBytes = present;
            const bool playable = header.channels > 0 && header.sampleRate > 0 && header.bitsPerSample > 0;
            return haveFormat && playable ? std::optional(header) : std::nullopt;
        }
        // Chunks are padded to an even length.
        const std::uint64_t next = body + declared + (declared & 1);
        if (next >= bytes.size())
            break;
        at = static_cast<std::size_t>(next);
    }
    return std::nullopt;
}
