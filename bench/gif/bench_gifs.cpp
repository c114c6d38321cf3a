#include "bench/gif/bench_gifs.h"

#include <cmath>
#include <functional>

#include "controls/animation/gif/lzw_encoder.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kFrames = 20;

using TBytes = std::vector<std::uint8_t>;
using TPainter = std::function<std::uint8_t(int x, int y, int frame)>;

void PutWord(TBytes& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutScreen(TBytes& out) {
    const char* header = "GIF89a";
    out.insert(out.end(), header, header + 6);
    PutWord(out, kWidth);
    PutWord(out, kHeight);
    out.insert(out.end(), {0xF7, 0x00, 0x00});  // global table of 256, resolution 8; background 0
    for (int i = 0; i < 256; ++i) {
        out.insert(out.end(), {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                               static_cast<std::uint8_t>(i * 7)});
    }
    const char* loop = "\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00";
    out.insert(out.end(), loop, loop + 19);
}

// Rows in the order an interlaced frame stores them.
std::vector<int> RowOrder(bool interlaced) {
    std::vector<int> rows;
    const int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < (interlaced ? 4 : 1); ++pass) {
        for (int y = interlaced ? starts[pass] : 0; y < kHeight; y += interlaced ? steps[pass] : 1)
            rows.push_back(y);
    }
    return rows;
}

void PutFrame(TBytes& out, const TPainter& paint, int frame, bool interlaced) {
    out.insert(out.end(), {0x21, 0xF9, 0x04, 0x04, 0x05, 0x00, 0x00, 0x00});  // leave in place, 50 ms
    out.push_back(0x2C);
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, kWidth);
    PutWord(out, kHeight);
    out.push_back(interlaced ? 0x40 : 0x00);
    TBytes indexes;
    indexes.reserve(static_cast<std::size_t>(kWidth) * kHeight);
    for (int y : RowOrder(interlaced)) {
        for (int x = 0; x < kWidth; ++x) indexes.push_back(paint(x, y, frame));
    }
    TBytes data = EncodeLZW(indexes, 8);
    out.insert(out.end(), data.begin(), data.end());
}

TBenchGif MakeGif(const std::string& name, const TPainter& paint, bool interlaceOddFrames) {
    TBenchGif gif{name, {}, static_cast<long long>(kWidth) * kHeight * kFrames};
    PutScreen(gif.Bytes);
    for (int frame = 0; frame < kFrames; ++frame)
        PutFrame(gif.Bytes, paint, frame, interlaceOddFrames && frame % 2 == 1);
    gif.Bytes.push_back(0x3B);
    return gif;
}

std::uint8_t Field(int x, int y, int frame) {
    double value =
        std::sin(x / 37.0 + frame * 0.3) + std::sin(y / 23.0 - frame * 0.2) + std::sin((x + y) / 51.0);
    return static_cast<std::uint8_t>((value + 3) / 6 * 255);
}

std::uint8_t Noise(int x, int y, int frame) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u ^
                      static_cast<std::uint32_t>(frame) * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    return static_cast<std::uint8_t>((h >> 15) & 0x3F);
}

std::uint8_t Shapes(int x, int y, int frame) {
    int cx = 100 + frame * 20, cy = 240;
    if ((x - cx) * (x - cx) + (y - cy) * (y - cy) < 80 * 80) return 200;
    if (x > 400 - frame * 5 && x < 560 && y > 60 && y < 200 + frame * 4) return 90;
    if ((y / 40 + frame) % 7 == 0) return 30;
    return 1;
}

}  // namespace

std::vector<TBenchGif> MakeBenchGifs() {
    return {MakeGif("smooth", Field, false), MakeGif("noise", Noise, false), MakeGif("shapes", Shapes, true)};
}
