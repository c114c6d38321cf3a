#include "toolkit/imaging/png_structure.h"

#include "toolkit/exceptions.h"
#include "toolkit/imaging/png_chunks.h"

namespace Png {
namespace {

constexpr std::size_t MaxPaletteEntries = 256;

bool IsGrey(TColourType colourType) {
    return colourType == TColourType::ctGrey || colourType == TColourType::ctGreyAlpha;
}

bool HasAlphaChannel(TColourType colourType) {
    return colourType == TColourType::ctGreyAlpha || colourType == TColourType::ctRgbAlpha;
}

// Walks the chunks after IHDR and records what each one contributes.
class TStructureReader {
public:
    explicit TStructureReader(const THeader& header) { FResult.Header = header; }

    // Returns false once IEND has been read.
    bool Take(const TChunk& chunk);
    TStructure Finish();

private:
    void TakePalette(std::span<const std::uint8_t> data);
    void TakeTransparency(std::span<const std::uint8_t> data);
    void TakePaletteAlpha(std::span<const std::uint8_t> data);
    void TakeColourKey(std::span<const std::uint8_t> data);
    void TakeImageData(std::span<const std::uint8_t> data);

    TStructure FResult;
    bool FPaletteSeen = false;
    bool FTransparencySeen = false;
    bool FImageDataEnded = false;  // a chunk other than IDAT followed the IDAT chunks
};

bool TStructureReader::Take(const TChunk& chunk) {
    if (chunk.Type != "IDAT" && !FResult.ImageData.empty()) {
        FImageDataEnded = true;
    }
    if (chunk.Type == "IEND") {
        if (!chunk.Data.empty()) {
            throw EInvalidGraphicOperation("PNG: IEND is not empty");
        }
        return false;
    }
    if (chunk.Type == "IHDR") {
        throw EInvalidGraphicOperation("PNG: duplicate IHDR");
    } else if (chunk.Type == "PLTE") {
        TakePalette(chunk.Data);
    } else if (chunk.Type == "tRNS") {
        TakeTransparency(chunk.Data);
    } else if (chunk.Type == "IDAT") {
        TakeImageData(chunk.Data);
    } else if (IsCritical(chunk)) {
        throw EInvalidGraphicOperation("PNG: unknown critical chunk " + chunk.Type);
    }
    // Other ancillary chunks (gamma, text, time, ...) do not change the pixels: skipped.
    return true;
}

void TStructureReader::TakePalette(std::span<const std::uint8_t> data) {
    if (FPaletteSeen) {
        throw EInvalidGraphicOperation("PNG: duplicate PLTE");
    }
    if (!FResult.ImageData.empty() || FTransparencySeen) {
        throw EInvalidGraphicOperation("PNG: PLTE in the wrong place");
    }
    if (IsGrey(FResult.Header.ColourType)) {
        throw EInvalidGraphicOperation("PNG: PLTE in a grey image");
    }
    const std::size_t entries = data.size() / 3;
    if (data.size() % 3 != 0 || entries == 0 || entries > MaxPaletteEntries) {
        throw EInvalidGraphicOperation("PNG: PLTE has the wrong length");
    }
    FPaletteSeen = true;
    if (FResult.Header.ColourType != TColourType::ctIndexed) {
        return;  // only a suggestion for displays with few colours
    }
    if (entries > (std::size_t{1} << FResult.Header.BitDepth)) {
        throw EInvalidGraphicOperation("PNG: PLTE has more entries than the bit depth allows");
    }
    for (std::size_t i = 0; i < entries; ++i) {
        FResult.Palette.push_back(TPaletteEntry{data[3 * i], data[3 * i + 1], data[3 * i + 2], 255});
    }
}

void TStructureReader::TakeTransparency(std::span<const std::uint8_t> data) {
    if (FTransparencySeen) {
        throw EInvalidGraphicOperation("PNG: duplicate tRNS");
    }
    if (!FResult.ImageData.empty()) {
        throw EInvalidGraphicOperation("PNG: tRNS after IDAT");
    }
    if (HasAlphaChannel(FResult.Header.ColourType)) {
        throw EInvalidGraphicOperation("PNG: tRNS in an image with an alpha channel");
    }
    FTransparencySeen = true;
    if (FResult.Header.ColourType == TColourType::ctIndexed) {
        TakePaletteAlpha(data);
    } else {
        TakeColourKey(data);
    }
}

void TStructureReader::TakePaletteAlpha(std::span<const std::uint8_t> data) {
    if (!FPaletteSeen) {
        throw EInvalidGraphicOperation("PNG: tRNS before PLTE");
    }
    if (data.size() > FResult.Palette.size()) {
        throw EInvalidGraphicOperation("PNG: tRNS has more entries than PLTE");
    }
    for (std::size_t i = 0; i < data.size(); ++i) {
        FResult.Palette[i].A = data[i];
    }
}

void TStructureReader::TakeColourKey(std::span<const std::uint8_t> data) {
    const bool grey = FResult.Header.ColourType == TColourType::ctGrey;
    if (data.size() != (grey ? 2u : 6u)) {
        throw EInvalidGraphicOperation("PNG: tRNS has the wrong length");
    }
    if (grey) {
        const std::uint16_t level = ReadBigEndian16(data);
        FResult.Key = TColourKey{level, level, level};
    } else {
        FResult.Key = TColourKey{ReadBigEndian16(data.subspan(0, 2)), ReadBigEndian16(data.subspan(2, 2)),
                                 ReadBigEndian16(data.subspan(4, 2))};
    }
}

void TStructureReader::TakeImageData(std::span<const std::uint8_t> data) {
    if (FImageDataEnded) {
        throw EInvalidGraphicOperation("PNG: IDAT chunks are not consecutive");
    }
    if (FResult.Header.ColourType == TColourType::ctIndexed && !FPaletteSeen) {
        throw EInvalidGraphicOperation("PNG: PLTE missing");
    }
    FResult.ImageData.push_back(data);
}

TStructure TStructureReader::Finish() {
    if (FResult.ImageData.empty()) {
        throw EInvalidGraphicOperation("PNG: no image data (IDAT)");
    }
    return std::move(FResult);
}

}  // namespace

TStructure ReadStructure(std::span<const std::uint8_t> file) {
    TChunkReader chunks(file);
    const TChunk first = chunks.Next();
    if (first.Type != "IHDR") {
        throw EInvalidGraphicOperation("PNG: IHDR missing");
    }
    TStructureReader reader(ParseHeader(first.Data));
    bool endSeen = false;
    while (!endSeen) {
        if (chunks.AtEnd()) {
            throw EInvalidGraphicOperation("PNG: IEND missing");
        }
        endSeen = !reader.Take(chunks.Next());
    }
    // Bytes after IEND are not part of the image; some writers append padding, so they are ignored.
    return reader.Finish();
}

}  // namespace Png
