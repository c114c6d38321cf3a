// libFuzzer entry: any input either decodes or raises EInvalidGraphicOperation; the sanitizers
// catch everything else. Each input is tried as it is and once more with its chunk CRCs made
// right, since nearly every mutation breaks a CRC and would otherwise stop at the first chunk.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "toolkit/exceptions.h"
#include "toolkit/imaging/png_decoder.h"

namespace {

constexpr std::size_t SignatureLength = 8;

std::uint32_t ReadLength(const std::vector<std::uint8_t>& file, std::size_t at) {
    return (std::uint32_t{file[at]} << 24) | (std::uint32_t{file[at + 1]} << 16) | (std::uint32_t{file[at + 2]} << 8) |
           std::uint32_t{file[at + 3]};
}

// Rewrites the CRC of every complete chunk; stops at the first chunk that runs past the end.
std::vector<std::uint8_t> WithRepairedCrcs(std::span<const std::uint8_t> input) {
    std::vector<std::uint8_t> file(input.begin(), input.end());
    std::size_t at = SignatureLength;
    while (at + 12 <= file.size()) {
        const std::uint32_t length = ReadLength(file, at);
        if (length > file.size() - at - 12) {
            break;
        }
        const uLong crc = crc32(crc32(0L, Z_NULL, 0), file.data() + at + 4, length + 4);
        for (int i = 0; i < 4; ++i) {
            file[at + 8 + length + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
        }
        at += 12 + std::size_t{length};
    }
    return file;
}

void Decode(std::span<const std::uint8_t> file) {
    try {
        const TPngImage image = DecodePng(file);
        if (image.Pixels.size() != std::size_t{image.Width} * image.Height * 4) {
            __builtin_trap();
        }
    } catch (const EInvalidGraphicOperation&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    Decode(input);
    Decode(WithRepairedCrcs(input));
    return 0;
}
