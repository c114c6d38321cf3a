#include "tests/gif/gif_samples.h"

const TBytes kHeader89a = {'G', 'I', 'F', '8', '9', 'a'};

const TBytes kScreen2x2 = {
    0x02, 0x00,  // logical width 2
    0x02, 0x00,  // logical height 2
    0x80,        // global table of 2^(0+1) colours, colour resolution 1, unsorted
    0x01,        // background colour index 1
    0x00,        // no aspect ratio
};

const TBytes kTwoColors = {
    0x10, 0x20, 0x30,  // index 0
    0xF0, 0xE0, 0xD0,  // index 1
};

const TBytes kImage2x2 = {
    0x2C,        // image separator
    0x00, 0x00,  // left 0
    0x00, 0x00,  // top 0
    0x02, 0x00,  // width 2
    0x02, 0x00,  // height 2
    0x00,        // no local table, not interlaced
    0x02,        // LZW minimum code size 2
    0x02,        // sub-block of 2 bytes:
    0x8C,        //   clear (100), 1 (001), low bits of 6 (10)
    0x53,        //   high bit of 6 (1): 6 is "1 1"; 1 (001); end code 5 at 4 bits (0101)
    0x00,        // terminator
};

TBytes GraphicControl(std::uint8_t packed, std::uint16_t delay, std::uint8_t transparentIndex) {
    return {
        0x21,                                     // extension introducer
        0xF9,                                     // graphic control label
        0x04,                                     // block size
        packed,                                   // disposal << 2 | user input << 1 | transparency
        static_cast<std::uint8_t>(delay),         // delay, hundredths of a second, low byte
        static_cast<std::uint8_t>(delay >> 8),    // high byte
        transparentIndex,                         // transparent colour index
        0x00,                                     // block terminator
    };
}

TBytes Application(const std::string& identifier, const TBytes& subBlock) {
    return Join({
        {0x21, 0xFF, 0x0B},                              // introducer, application label, block size 11
        TBytes(identifier.begin(), identifier.end()),    // identifier and authentication code
        {static_cast<std::uint8_t>(subBlock.size())},    // sub-block length
        subBlock,
        {0x00},                                          // terminator
    });
}

TBytes Comment(std::initializer_list<std::string> blocks) {
    TBytes bytes = {0x21, 0xFE};  // introducer, comment label
    for (const std::string& block : blocks) {
        bytes.push_back(static_cast<std::uint8_t>(block.size()));  // sub-block length
        bytes.insert(bytes.end(), block.begin(), block.end());
    }
    bytes.push_back(0x00);  // terminator
    return bytes;
}

TBytes PlainText() {
    return {
        0x21, 0x01,              // introducer, plain text label
        0x0C,                    // block size 12
        0x00, 0x00, 0x00, 0x00,  // text grid left, top
        0x02, 0x00, 0x01, 0x00,  // text grid width 2, height 1
        0x01, 0x01,              // cell width, height
        0x01, 0x00,              // foreground, background index
        0x02, 'H', 'i',          // one sub-block of text
        0x00,                    // terminator
    };
}

TBytes Gif(std::initializer_list<TBytes> blocks) {
    TBytes gif = Join({kHeader89a, kScreen2x2, kTwoColors});
    for (const TBytes& block : blocks) gif.insert(gif.end(), block.begin(), block.end());
    gif.push_back(0x3B);
    return gif;
}
