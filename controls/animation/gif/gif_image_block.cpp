#include "controls/animation/gif/gif_image_block.h"

#include <algorithm>

#include "controls/animation/gif/gif_errors.h"
#include "controls/animation/gif/gif_settings.h"

namespace {

constexpr std::uint8_t kLocalTableFlag = 0x80;
constexpr std::uint8_t kInterlaceFlag = 0x40;
constexpr std::uint8_t kTableSizeBits = 0x07;
constexpr std::uint8_t kTransparencyFlag = 0x01;

struct TImageDescriptor {
    std::uint16_t Left, Top, Width, Height;
    std::uint8_t Packed;
};

TImageDescriptor ReadDescriptor(TGIFByteReader& reader) {
    TImageDescriptor descriptor{};
    descriptor.Left = reader.ReadWord();
    descriptor.Top = reader.ReadWord();
    descriptor.Width = reader.ReadWord();
    descriptor.Height = reader.ReadWord();
    descriptor.Packed = reader.ReadByte();
    return descriptor;
}

void Append(std::vector<std::uint8_t>& data, std::span<const std::uint8_t> bytes) {
    data.insert(data.end(), bytes.begin(), bytes.end());
}

// Copies the code size byte and the sub-blocks as they are; returns false when the end of the
// stream cut them off (a missing length byte counts as cut off too).
bool CopyImageData(TGIFByteReader& reader, std::vector<std::uint8_t>& data) {
    data.push_back(reader.ReadByte());
    while (!reader.AtEnd()) {
        std::uint8_t length = reader.ReadByte();
        if (length > reader.Remaining()) return false;
        data.push_back(length);
        if (length == 0) return true;
        Append(data, reader.ReadBytes(length));
    }
    return false;
}

// Graphic control record: block size, packed byte, delay (little-endian), transparent index,
// terminator. Transparency, disposal and delay come from each extension in turn.
void ApplyGraphicControl(const TExtension& control, TGIFFrameRecord& frame) {
    const std::vector<std::uint8_t>& header = control.Header;
    std::uint8_t packed = header[1];
    unsigned delay = 10u * (header[2] | (header[3] << 8));
    int transparentIndex = header[4];
    const TGIFColorTable& table = frame.Item->ColorTable;
    if ((packed & kTransparencyFlag) == 0)
        frame.TransparentColor = clNone;
    else if (table.Contains(transparentIndex))
        frame.TransparentColor = table.ColorOf(transparentIndex);
    frame.Delay = std::max(frame.Delay, delay);
    frame.Disposal = (packed >> 2) & 0x07;
}

}  // namespace

TGIFColorTable ReadColorTable(TGIFByteReader& reader, int bitsPerPixel) {
    std::size_t count = std::size_t{1} << bitsPerPixel;
    std::span<const std::uint8_t> bytes = reader.ReadBytes(3 * count);
    TGIFColorTable table;
    table.Entries.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        table.Entries[i] = TGIFRGB{bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]};
    return table;
}

void ReadImageBlock(TGIFByteReader& reader, const TGIFContent& screen, TGIFFrameRecord& frame) {
    TGIFItem& item = *frame.Item;
    TImageDescriptor descriptor = ReadDescriptor(reader);
    frame.Interlaced = (descriptor.Packed & kInterlaceFlag) != 0;
    frame.LocalColors = (descriptor.Packed & kLocalTableFlag) != 0;
    if (frame.LocalColors) {
        item.BitsPerPixel = (descriptor.Packed & kTableSizeBits) + 1;
        item.ColorTable = ReadColorTable(reader, item.BitsPerPixel);
    } else {
        item.ColorTable = TGIFColorTable{};
    }
    frame.Corrupted = !CopyImageData(reader, item.ImageData);
    if (frame.Corrupted && !TolerateCorruptData) throw EInvalidGraphicOperation(kStreamReadError);

    if (!frame.LocalColors) item.ColorTable = screen.Data->GlobalColorTable;
    frame.Origin = TGIFOrigin{descriptor.Left, descriptor.Top};
    item.FrameWidth = descriptor.Width != 0 ? descriptor.Width : screen.LogicalWidth;
    item.FrameHeight = descriptor.Height != 0 ? descriptor.Height : screen.LogicalHeight;
    item.PackedFields = descriptor.Packed;
    for (const TExtension& extension : frame.Extensions) {
        if (extension.Kind == TExtensionKind::ekGraphicControl) ApplyGraphicControl(extension, frame);
    }
}
