#include "bench/gif/gif_decoders.h"

#include <gif_lib.h>

#include <cstring>
#include <stdexcept>

#include "controls/animation/gif/frame_bitmap.h"
#include "controls/animation/gif/frame_decoder.h"
#include "controls/animation/gif/gif_reader.h"

namespace {

// Rows of a depth-8 BMP file from DecodeFrame, top row first.
std::vector<std::uint8_t> TopDownRows(const TDecodedFrame& decoded, int width, int height) {
    std::size_t stride = BitmapStride(width, 8);
    std::size_t offset = decoded.BitmapFile.size() - stride * static_cast<std::size_t>(height);
    std::vector<std::uint8_t> pixels;
    for (int y = height - 1; y >= 0; --y) {
        const std::uint8_t* row = decoded.BitmapFile.data() + offset + stride * static_cast<std::size_t>(y);
        pixels.insert(pixels.end(), row, row + width);
    }
    return pixels;
}

struct TMemoryReader {
    const std::vector<std::uint8_t>* Bytes;
    std::size_t Position;
};

int ReadFromMemory(GifFileType* file, GifByteType* into, int count) {
    auto* reader = static_cast<TMemoryReader*>(file->UserData);
    std::size_t available = reader->Bytes->size() - reader->Position;
    std::size_t copied = std::min(available, static_cast<std::size_t>(count));
    std::memcpy(into, reader->Bytes->data() + reader->Position, copied);
    reader->Position += copied;
    return static_cast<int>(copied);
}

}  // namespace

std::uint64_t DecodeWithOurs(const std::vector<std::uint8_t>& gif, TFramePixels* pixels) {
    TGIFContent content;
    ReadGIF(gif.size(), gif, content);
    std::uint64_t checksum = 0;
    for (const TGIFFrameRecord& frame : content.Frames) {
        TDecodedFrame decoded = DecodeFrame(*frame.Item, frame.Interlaced);
        checksum += decoded.BitmapFile[decoded.BitmapFile.size() / 2];
        if (pixels) pixels->push_back(TopDownRows(decoded, frame.Item->FrameWidth, frame.Item->FrameHeight));
    }
    return checksum;
}

std::uint64_t DecodeWithGiflib(const std::vector<std::uint8_t>& gif, TFramePixels* pixels) {
    TMemoryReader reader{&gif, 0};
    int error = 0;
    GifFileType* file = DGifOpen(&reader, ReadFromMemory, &error);
    if (!file || DGifSlurp(file) != GIF_OK) throw std::runtime_error("giflib could not read the stream");
    std::uint64_t checksum = 0;
    for (int n = 0; n < file->ImageCount; ++n) {
        const SavedImage& image = file->SavedImages[n];
        std::size_t size = static_cast<std::size_t>(image.ImageDesc.Width) * image.ImageDesc.Height;
        checksum += image.RasterBits[size / 2];
        if (pixels) pixels->emplace_back(image.RasterBits, image.RasterBits + size);
    }
    DGifCloseFile(file, &error);
    return checksum;
}
