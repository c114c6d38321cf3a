#include "tests/animation/test_gifs.h"

#include "controls/animation/gif/lzw_encoder.h"

namespace {

void Append(TBytes& to, const TBytes& piece) { to.insert(to.end(), piece.begin(), piece.end()); }

std::uint8_t Low(int value) { return static_cast<std::uint8_t>(value & 0xFF); }
std::uint8_t High(int value) { return static_cast<std::uint8_t>((value >> 8) & 0xFF); }

TBytes Screen(int width, int height) {
    TBytes screen = {
        'G', 'I', 'F', '8', '9', 'a',  // signature and version
        Low(width), High(width),       // logical width
        Low(height), High(height),     // logical height
        0x91,                          // global table of 2^(1+1) colours, colour resolution 2
        0x00,                          // background colour index 0
        0x00,                          // no aspect ratio
    };
    for (TColor color : kTestColors) {
        screen.push_back(RedOf(color));
        screen.push_back(GreenOf(color));
        screen.push_back(BlueOf(color));
    }
    return screen;
}

const TBytes kLooping = {
    0x21, 0xFF, 0x0B,                                      // application extension, block size 11
    'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0',  // identifier and authentication code
    0x03, 0x01, 0x00, 0x00,                                // sub-block: loop, count 0 (for ever)
    0x00,                                                  // terminator
};

TBytes GraphicControl(const TTestFrame& frame) {
    bool transparent = frame.TransparentIndex >= 0;
    return {
        0x21, 0xF9, 0x04,                                                      // graphic control, 4 bytes
        static_cast<std::uint8_t>((frame.Disposal << 2) | (transparent ? 1 : 0)),  // disposal, transparency
        Low(frame.Delay), High(frame.Delay),                                   // delay
        static_cast<std::uint8_t>(transparent ? frame.TransparentIndex : 0),   // transparent index
        0x00,                                                                  // terminator
    };
}

TBytes Image(const TTestFrame& frame) {
    TBytes image = {
        0x2C,                                // image separator
        Low(frame.Left), High(frame.Left),   // left
        Low(frame.Top), High(frame.Top),     // top
        Low(frame.Width), High(frame.Width),    // width
        Low(frame.Height), High(frame.Height),  // height
        0x00,                                // no local table, not interlaced
    };
    Append(image, EncodeLZW(frame.Indexes, 2));  // code size, sub-blocks, terminator
    return image;
}

}  // namespace

TTestFrame FilledFrame(int left, int top, int width, int height, std::uint8_t index, int disposal) {
    TTestFrame frame{left, top, width, height, {}, disposal};
    frame.Indexes.assign(static_cast<std::size_t>(width) * height, index);
    return frame;
}

TBytes TestGif(int width, int height, const std::vector<TTestFrame>& frames) {
    TBytes gif = Screen(width, height);
    Append(gif, kLooping);
    for (const TTestFrame& frame : frames) {
        Append(gif, GraphicControl(frame));
        Append(gif, Image(frame));
    }
    gif.push_back(0x3B);  // trailer
    return gif;
}
