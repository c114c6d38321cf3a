// Fuzz target: any bytes through ReadGIF, then every frame read (also after a failed load)
// through DecodeFrame. Only EInvalidGraphicOperation and EOutOfResources may come out.
#include <cstddef>
#include <cstdint>

#include "controls/animation/gif/frame_decoder.h"
#include "controls/animation/gif/gif_reader.h"
#include "toolkit/exceptions.h"

namespace {

// Larger frames decode correctly but slowly; the fuzzer learns more from many small ones.
constexpr long kMaxFuzzedPixels = 1L << 22;

void DecodeFrames(const TGIFContent& content) {
    for (const TGIFFrameRecord& frame : content.Frames) {
        if (static_cast<long>(frame.Item->FrameWidth) * frame.Item->FrameHeight > kMaxFuzzedPixels) continue;
        try {
            DecodeFrame(*frame.Item, frame.Interlaced);
        } catch (const EInvalidGraphicOperation&) {
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TGIFContent content;
    try {
        ReadGIF(size, std::span<const std::uint8_t>(data, size), content);
    } catch (const EInvalidGraphicOperation&) {
    }
    DecodeFrames(content);
    return 0;
}
