#pragma once
// Reading one extension block, and recognising the looping application extension.
#include <cstdint>
#include <optional>

#include "controls/animation/gif/gif_byte_reader.h"
#include "controls/animation/gif/gif_types.h"

inline constexpr std::uint8_t kExtensionIntroducer = 0x21;
inline constexpr std::uint8_t kGraphicControlLabel = 0xF9;
inline constexpr std::uint8_t kCommentLabel = 0xFE;
inline constexpr std::uint8_t kPlainTextLabel = 0x01;
inline constexpr std::uint8_t kApplicationLabel = 0xFF;

// Reads the label, the fixed header of its kind and the data sub-blocks; the reader stands after
// the introducer. An unknown label fails with "Unrecognized extension block: XX".
TExtension ReadExtension(TGIFByteReader& reader);

// The repeat count of a NETSCAPE2.0 or ANIMEXTS1.0 looping extension, limited to 30000; nothing
// for any other application extension.
std::optional<std::uint16_t> LoopCountOf(const TExtension& application);
