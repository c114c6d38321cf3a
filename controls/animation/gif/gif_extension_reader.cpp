#include "controls/animation/gif/gif_extension_reader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "controls/animation/gif/gif_errors.h"

namespace {

// Header sizes: graphic control block size, packed byte, delay, transparent index, terminator;
// plain text block size and 12 bytes; application block size, identifier and authentication code.
constexpr std::size_t kGraphicControlHeaderSize = 6;
constexpr std::size_t kPlainTextHeaderSize = 13;
constexpr std::size_t kApplicationHeaderSize = 12;
constexpr std::uint16_t kLoopCountLimit = 30000;

TExtensionKind KindOfLabel(std::uint8_t label) {
    switch (label) {
        case kGraphicControlLabel: return TExtensionKind::ekGraphicControl;
        case kCommentLabel: return TExtensionKind::ekComment;
        case kPlainTextLabel: return TExtensionKind::ekPlainText;
        case kApplicationLabel: return TExtensionKind::ekApplication;
        default: break;
    }
    char hex[3];
    std::snprintf(hex, sizeof hex, "%.2X", static_cast<unsigned>(label));
    throw EInvalidGraphicOperation(std::string(kUnrecognizedExtension) + hex);
}

std::size_t HeaderSizeOf(TExtensionKind kind) {
    switch (kind) {
        case TExtensionKind::ekGraphicControl: return kGraphicControlHeaderSize;
        case TExtensionKind::ekPlainText: return kPlainTextHeaderSize;
        case TExtensionKind::ekApplication: return kApplicationHeaderSize;
        case TExtensionKind::ekComment: break;
    }
    return 0;
}

// A zero length or the end of the stream ends the sub-blocks. A block cut off by the end of the
// stream keeps the bytes that are there: the stream ends there anyway, and what was read is shown.
void ReadSubBlocks(TGIFByteReader& reader, std::vector<std::string>& blocks) {
    while (!reader.AtEnd()) {
        std::size_t length = reader.ReadByte();
        if (length == 0) return;
        std::span<const std::uint8_t> bytes = reader.ReadBytes(std::min(length, reader.Remaining()));
        blocks.emplace_back(bytes.begin(), bytes.end());
    }
}

bool IsLoopingIdentifier(const std::vector<std::uint8_t>& header) {
    // The identifier is compared over as many bytes as the block size gives, at most the 11 read.
    std::size_t length = header[0];
    if (length > kApplicationHeaderSize - 1) return false;
    const std::uint8_t* identifier = header.data() + 1;
    return std::memcmp(identifier, "NETSCAPE2.0", length) == 0 ||
           std::memcmp(identifier, "ANIMEXTS1.0", length) == 0;
}

}  // namespace

TExtension ReadExtension(TGIFByteReader& reader) {
    TExtension extension;
    extension.Kind = KindOfLabel(reader.ReadByte());
    std::span<const std::uint8_t> header = reader.ReadBytes(HeaderSizeOf(extension.Kind));
    extension.Header.assign(header.begin(), header.end());
    // The graphic control record ends with its own terminator; the other kinds carry sub-blocks.
    if (extension.Kind != TExtensionKind::ekGraphicControl) ReadSubBlocks(reader, extension.SubBlocks);
    return extension;
}

std::optional<std::uint16_t> LoopCountOf(const TExtension& application) {
    if (application.Kind != TExtensionKind::ekApplication || !IsLoopingIdentifier(application.Header))
        return std::nullopt;
    if (application.SubBlocks.empty()) return std::nullopt;
    const std::string& block = application.SubBlocks.front();
    if (block.size() < 3 || block[0] != 1) return std::nullopt;
    unsigned count = static_cast<std::uint8_t>(block[1]) | (static_cast<std::uint8_t>(block[2]) << 8);
    return static_cast<std::uint16_t>(std::min<unsigned>(count, kLoopCountLimit));
}
