// SPDX-License-Identifier: MIT
// libFuzzer target for WavHeader::parse, which reads the header of every sound clip before it is
// played. Every input must either be refused or give a header that describes playable sound
// within the input: channels, rate and sample size non-zero, no more data than the bytes hold,
// and a finite length.

#include "Finding.h"
#include "WavHeader.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const auto header = WavHeader::parse(bytes);
    if (!header)
        return 0;
    if (header->channels == 0 || header->sampleRate == 0 || header->bitsPerSample == 0)
        finding("a header without playable sound was accepted");
    if (header->dataBytes > size)
        finding("more sound data than the input holds");
    if (!std::isfinite(header->seconds()) || header->seconds() < 0)
        finding("the length is not a finite number of seconds");
    if (!bytes.starts_with("RIFF") && !bytes.starts_with("RIFX"))
        finding("a file that is not RIFF was accepted");
    return 0;
}
