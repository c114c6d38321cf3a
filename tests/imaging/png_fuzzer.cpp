// libFuzzer entry: any input either decodes or raises EInvalidGraphicOperation; the sanitizers
// catch everything else.
#include <cstddef>
#include <cstdint>
#include <span>

#include "toolkit/exceptions.h"
#include "toolkit/imaging/png_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const TPngImage image = DecodePng(std::span(data, size));
        if (image.Pixels.size() != std::size_t{image.Width} * image.Height * 4) {
            __builtin_trap();
        }
    } catch (const EInvalidGraphicOperation&) {
    }
    return 0;
}
