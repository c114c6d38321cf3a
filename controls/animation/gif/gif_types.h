#pragma once
// The GIF data model shared by the reader, the frame decoder and the image class.
#include <cstdint>
#include <string>
#include <vector>

#include "controls/animation/gif/gif_color_table.h"

// The logical screen's data; shared (through std::shared_ptr) by images assigned from one another.
struct TGIFData {
    std::uint8_t AspectRatio = 0;  // the pixel aspect ratio byte as stored
    int BitsPerPixel = 0;          // 1-8 once a screen descriptor was read
    int ColorResolution = 0;       // 1-8 once a screen descriptor was read
    TGIFColorTable GlobalColorTable;
    std::vector<std::string> Comment;
};

// One frame's data; shared (through std::shared_ptr) by frames copied from one another.
struct TGIFItem {
    // The LZW minimum code size byte followed by the data sub-blocks exactly as read, with the
    // zero-length terminator when the stream had one.
    std::vector<std::uint8_t> ImageData;
    std::uint16_t FrameWidth = 0;
    std::uint16_t FrameHeight = 0;
    std::uint8_t PackedFields = 0;  // the image descriptor's packed byte
    int BitsPerPixel = 0;           // 1-8; 0 while the frame has no colour table at all
    TGIFColorTable ColorTable;      // the local table, or a copy of the global one
};

enum class TExtensionKind { ekGraphicControl, ekPlainText, ekApplication, ekComment };

// An extension block: the fixed header bytes of its kind and its data sub-blocks, one string each.
struct TExtension {
    TExtensionKind Kind = TExtensionKind::ekComment;
    std::vector<std::uint8_t> Header;
    std::vector<std::string> SubBlocks;

    // The sub-blocks joined: a comment's text.
    std::string Text() const;
};
