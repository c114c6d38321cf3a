#include "toolkit/imaging/png_inflate.h"

#include <zlib.h>

#include <algorithm>
#include <string>

#include "toolkit/exceptions.h"

namespace Png {
namespace {

constexpr std::size_t InitialOutputSize = 64 * 1024;

class TInflater {
public:
    explicit TInflater(std::size_t expectedSize);
    ~TInflater() { inflateEnd(&FStream); }
    TInflater(const TInflater&) = delete;
    TInflater& operator=(const TInflater&) = delete;

    // Feeds one IDAT chunk. Returns true once the compressed stream has ended.
    bool Feed(std::span<const std::uint8_t> input);
    std::vector<std::uint8_t> Finish(bool streamEnded);

private:
    void MakeRoom();
    [[noreturn]] void RaiseCorrupt() const;

    z_stream FStream{};
    std::size_t FExpectedSize;
    std::vector<std::uint8_t> FOutput;
    // Once the expected bytes are all there, the output points at this one spare byte: anything
    // written into it means the data is longer than the image.
    bool FProbing = false;
    std::uint8_t FOverflowProbe = 0;
};

TInflater::TInflater(std::size_t expectedSize) : FExpectedSize(expectedSize) {
    if (inflateInit(&FStream) != Z_OK) {
        throw EInvalidGraphicOperation("PNG: cannot start decompression");
    }
}

void TInflater::RaiseCorrupt() const {
    const std::string detail = FStream.msg != nullptr ? std::string(" (") + FStream.msg + ")" : "";
    throw EInvalidGraphicOperation("PNG: corrupt compressed image data" + detail);
}

// Called when the output is full.
void TInflater::MakeRoom() {
    const std::size_t written = FOutput.size();
    if (written == FExpectedSize) {
        FProbing = true;
        FStream.next_out = &FOverflowProbe;
        FStream.avail_out = 1;
        return;
    }
    const std::size_t grown = std::min(FExpectedSize, std::max(InitialOutputSize, written * 2));
    FOutput.resize(grown);
    FStream.next_out = FOutput.data() + written;
    FStream.avail_out = static_cast<uInt>(grown - written);
}

bool TInflater::Feed(std::span<const std::uint8_t> input) {
    FStream.next_in = input.data();
    FStream.avail_in = static_cast<uInt>(input.size());
    for (;;) {
        if (FStream.avail_out == 0) {
            MakeRoom();
        }
        const int status = inflate(&FStream, Z_NO_FLUSH);
        if (FProbing && FStream.avail_out == 0) {
            throw EInvalidGraphicOperation("PNG: too much image data");
        }
        if (status == Z_STREAM_END) {
            if (FStream.avail_in != 0) {
                throw EInvalidGraphicOperation("PNG: extra data after the compressed image data");
            }
            return true;
        }
        if (status != Z_OK && status != Z_BUF_ERROR) {
            RaiseCorrupt();
        }
        if (FStream.avail_in == 0 && FStream.avail_out != 0) {
            return false;  // all of this chunk consumed; the stream goes on in the next IDAT
        }
    }
}

std::vector<std::uint8_t> TInflater::Finish(bool streamEnded) {
    const std::size_t written = FProbing ? FOutput.size() : FOutput.size() - FStream.avail_out;
    if (written < FExpectedSize) {
        throw EInvalidGraphicOperation("PNG: image data too short");
    }
    if (!streamEnded) {
        throw EInvalidGraphicOperation("PNG: compressed image data not ended");
    }
    return std::move(FOutput);
}

}  // namespace

std::vector<std::uint8_t> InflateImageData(const std::vector<std::span<const std::uint8_t>>& parts,
                                           std::size_t expectedSize) {
    TInflater inflater(expectedSize);
    bool streamEnded = false;
    for (const auto& part : parts) {
        if (streamEnded && !part.empty()) {
            throw EInvalidGraphicOperation("PNG: extra data after the compressed image data");
        }
        if (!streamEnded) {
            streamEnded = inflater.Feed(part);
        }
    }
    return inflater.Finish(streamEnded);
}

}  // namespace Png
