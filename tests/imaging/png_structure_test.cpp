// Chunk order, header limits and image data faults, each shown on a near-copy of one small valid
// file built here: the base case decodes, every other row changes one thing.
#include <gtest/gtest.h>

#include <functional>

#include "tests/imaging/png_builder.h"
#include "tests/imaging/test_files.h"
#include "toolkit/exceptions.h"
#include "toolkit/imaging/png_decoder.h"

namespace {

using TChunks = std::vector<TTestChunk>;
using TBytes = std::vector<std::uint8_t>;

// 2 x 2 RGB, 8 bits: each row is filter type 0 and two pixels.
const TBytes RgbRows = {0, 10, 20, 30, 40, 50, 60, 0, 70, 80, 90, 100, 110, 120};
const TBytes RgbPixels = {10, 20, 30, 255, 40, 50, 60, 255, 70, 80, 90, 255, 100, 110, 120, 255};

TChunks RgbImage(TBytes header = HeaderData(2, 2, 8, 2), const TBytes& rows = RgbRows) {
    return {{"IHDR", std::move(header)}, {"IDAT", Compress(rows)}, {"IEND", {}}};
}

// 2 x 2 indexed, 8 bits, with a palette of two entries.
TChunks IndexedImage(TBytes rows = {0, 0, 1, 0, 1, 0}) {
    return {{"IHDR", HeaderData(2, 2, 8, 3)},
            {"PLTE", {255, 0, 0, 0, 0, 255}},
            {"IDAT", Compress(rows)},
            {"IEND", {}}};
}

TChunks Inserted(TChunks chunks, std::size_t at, TTestChunk chunk) {
    chunks.insert(chunks.begin() + static_cast<std::ptrdiff_t>(at), std::move(chunk));
    return chunks;
}

TChunks WithImageData(TBytes data) {
    TChunks chunks = RgbImage();
    chunks[1].Data = std::move(data);
    return chunks;
}

TChunks SplitImageData() {
    const TBytes data = Compress(RgbRows);
    return {{"IHDR", HeaderData(2, 2, 8, 2)},
            {"IDAT", TBytes(data.begin(), data.begin() + 3)},
            {"IDAT", TBytes(data.begin() + 3, data.begin() + 5)},
            {"IDAT", TBytes(data.begin() + 5, data.end())},
            {"IEND", {}}};
}

TBytes CompressedWith(const TBytes& tail, std::size_t cut = 0) {
    TBytes data = Compress(RgbRows);
    data.resize(data.size() - cut);
    data.insert(data.end(), tail.begin(), tail.end());
    return data;
}

TBytes RowsWith(std::size_t index, std::uint8_t value) {
    TBytes rows = RgbRows;
    rows[index] = value;
    return rows;
}

struct TStructureCase {
    const char* Name;
    std::function<TChunks()> Build;
    const char* WantError;  // "" when the file decodes to RgbPixels (or is indexed and decodes)
    TBytes TrailingBytes = {};
};

const TStructureCase StructureCases[] = {
    {"valid base", [] { return RgbImage(); }, ""},
    {"IDAT split over three chunks", SplitImageData, ""},
    {"unknown ancillary chunk skipped", [] { return Inserted(RgbImage(), 1, {"prIv", {1, 2, 3}}); }, ""},
    {"ancillary chunk after IDAT", [] { return Inserted(RgbImage(), 2, {"tEXt", {'a', 0, 'b'}}); }, ""},
    {"bytes after IEND ignored", [] { return RgbImage(); }, "", {0, 0, 0, 0}},
    {"unknown critical chunk", [] { return Inserted(RgbImage(), 1, {"CrIt", {}}); },
     "PNG: unknown critical chunk CrIt"},
    {"chunk type with a digit", [] { return Inserted(RgbImage(), 1, {"ab1d", {}}); }, "PNG: invalid chunk type"},
    {"IDAT chunks interrupted",
     [] { return Inserted(SplitImageData(), 2, {"tEXt", {'a', 0, 'b'}}); }, "PNG: IDAT chunks are not consecutive"},
    {"IEND missing", [] { TChunks c = RgbImage(); c.pop_back(); return c; }, "PNG: IEND missing"},
    {"IEND with data", [] { TChunks c = RgbImage(); c.back().Data = {0}; return c; }, "PNG: IEND is not empty"},
    {"IHDR not first", [] { return Inserted(RgbImage(), 0, {"tEXt", {'a', 0, 'b'}}); }, "PNG: IHDR missing"},
    {"second IHDR", [] { return Inserted(RgbImage(), 1, {"IHDR", HeaderData(2, 2, 8, 2)}); },
     "PNG: duplicate IHDR"},
    {"IDAT missing", [] { TChunks c = RgbImage(); c.erase(c.begin() + 1); return c; },
     "PNG: no image data (IDAT)"},
    {"IHDR too short", [] { TBytes h = HeaderData(2, 2, 8, 2); h.pop_back(); return RgbImage(h); },
     "PNG: IHDR has the wrong length"},
    {"width zero", [] { return RgbImage(HeaderData(0, 2, 8, 2)); }, "PNG: image width or height is zero"},
    {"height zero", [] { return RgbImage(HeaderData(2, 0, 8, 2)); }, "PNG: image width or height is zero"},
    {"width above the limit", [] { return RgbImage(HeaderData(16385, 1, 8, 2)); }, "PNG: image too large"},
    {"width 2^31", [] { return RgbImage(HeaderData(0x80000000u, 1, 8, 2)); }, "PNG: image too large"},
    {"too many pixels", [] { return RgbImage(HeaderData(16384, 16384, 8, 2)); }, "PNG: image too large"},
    {"colour type 5", [] { return RgbImage(HeaderData(2, 2, 8, 5)); }, "PNG: invalid colour type 5"},
    {"indexed 16 bits", [] { return RgbImage(HeaderData(2, 2, 16, 3)); },
     "PNG: invalid bit depth 16 for colour type 3"},
    {"RGB 4 bits", [] { return RgbImage(HeaderData(2, 2, 4, 2)); }, "PNG: invalid bit depth 4 for colour type 2"},
    {"compression method 1", [] { TBytes h = HeaderData(2, 2, 8, 2); h[10] = 1; return RgbImage(h); },
     "PNG: unknown compression method"},
    {"filter method 1", [] { TBytes h = HeaderData(2, 2, 8, 2); h[11] = 1; return RgbImage(h); },
     "PNG: unknown filter method"},
    {"interlace method 2", [] { return RgbImage(HeaderData(2, 2, 8, 2, 2)); }, "PNG: unknown interlace method"},
    {"filter type 5", [] { return RgbImage(HeaderData(2, 2, 8, 2), RowsWith(7, 5)); }, "PNG: invalid filter type 5"},
    {"more image data than the image", [] { TBytes r = RgbRows; r.push_back(0); return RgbImage(HeaderData(2, 2, 8, 2), r); },
     "PNG: too much image data"},
    {"less image data than the image", [] { TBytes r = RgbRows; r.pop_back(); return RgbImage(HeaderData(2, 2, 8, 2), r); },
     "PNG: image data too short"},
    {"compressed stream without its end", [] { return WithImageData(CompressedWith({}, 4)); },
     "PNG: compressed image data not ended"},
    {"bytes after the compressed stream", [] { return WithImageData(CompressedWith({0})); },
     "PNG: extra data after the compressed image data"},
    {"IDAT after the compressed stream", [] { return Inserted(RgbImage(), 2, {"IDAT", {0}}); },
     "PNG: extra data after the compressed image data"},
    {"bad zlib header", [] { TBytes d = Compress(RgbRows); d[0] = 0x79; return WithImageData(d); },
     "PNG: corrupt compressed image data (incorrect header check)"},
    {"bad zlib checksum", [] { TBytes d = Compress(RgbRows); d.back() ^= 1; return WithImageData(d); },
     "PNG: corrupt compressed image data (incorrect data check)"},
    {"palette index out of range", [] { return IndexedImage({0, 0, 2, 0, 1, 0}); },
     "PNG: palette index out of range"},
    {"indexed without PLTE", [] { TChunks c = IndexedImage(); c.erase(c.begin() + 1); return c; },
     "PNG: PLTE missing"},
    {"PLTE after IDAT", [] { TChunks c = IndexedImage(); std::swap(c[1], c[2]); return c; }, "PNG: PLTE missing"},
    {"PLTE in RGB after IDAT", [] { return Inserted(RgbImage(), 2, {"PLTE", {1, 2, 3}}); },
     "PNG: PLTE in the wrong place"},
    {"duplicate PLTE", [] { return Inserted(IndexedImage(), 1, {"PLTE", {1, 2, 3}}); }, "PNG: duplicate PLTE"},
    {"PLTE in a grey image", [] { return Inserted(RgbImage(HeaderData(2, 2, 8, 0)), 1, {"PLTE", {1, 2, 3}}); },
     "PNG: PLTE in a grey image"},
    {"PLTE length not a multiple of 3", [] { TChunks c = IndexedImage(); c[1].Data.push_back(0); return c; },
     "PNG: PLTE has the wrong length"},
    {"PLTE empty", [] { TChunks c = IndexedImage(); c[1].Data.clear(); return c; }, "PNG: PLTE has the wrong length"},
    {"PLTE longer than the bit depth allows",
     [] { TChunks c = IndexedImage(); c[0].Data = HeaderData(2, 2, 1, 3); c[1].Data.resize(9); return c; },
     "PNG: PLTE has more entries than the bit depth allows"},
    {"tRNS before PLTE", [] { return Inserted(IndexedImage(), 1, {"tRNS", {0}}); }, "PNG: tRNS before PLTE"},
    {"tRNS longer than PLTE", [] { return Inserted(IndexedImage(), 2, {"tRNS", {0, 0, 0}}); },
     "PNG: tRNS has more entries than PLTE"},
    {"tRNS twice", [] { return Inserted(Inserted(IndexedImage(), 2, {"tRNS", {0}}), 2, {"tRNS", {0}}); },
     "PNG: duplicate tRNS"},
    {"tRNS after IDAT", [] { return Inserted(RgbImage(), 2, {"tRNS", {0, 0, 0, 0, 0, 0}}); },
     "PNG: tRNS after IDAT"},
    {"tRNS of RGB with grey length", [] { return Inserted(RgbImage(), 1, {"tRNS", {0, 0}}); },
     "PNG: tRNS has the wrong length"},
    {"tRNS with an alpha channel",
     [] { return Inserted(RgbImage(HeaderData(1, 1, 8, 6), {0, 1, 2, 3, 4}), 1, {"tRNS", {0, 0}}); },
     "PNG: tRNS in an image with an alpha channel"},
};

TEST(PngStructure, NearCopiesOfOneFile) {
    for (std::size_t row = 0; row < std::size(StructureCases); ++row) {
        const TStructureCase& test = StructureCases[row];
        TBytes file = AssemblePng(test.Build());
        file.insert(file.end(), test.TrailingBytes.begin(), test.TrailingBytes.end());
        try {
            const TPngImage image = DecodePng(file);
            EXPECT_STREQ(test.WantError, "") << "row " << row << " (" << test.Name << "): decoded, want an error";
            EXPECT_EQ(HexBytes(image.Pixels), HexBytes(RgbPixels)) << "row " << row << " (" << test.Name << ")";
        } catch (const EInvalidGraphicOperation& error) {
            EXPECT_STREQ(error.what(), test.WantError) << "row " << row << " (" << test.Name << ")";
        }
    }
}

// The palette's alpha from tRNS, and entries that tRNS does not reach stay opaque.
TEST(PngStructure, PaletteAlphaFromTransparency) {
    const TBytes file = AssemblePng(Inserted(IndexedImage(), 2, {"tRNS", {128}}));
    const TPngImage image = DecodePng(file);
    const TBytes want = {255, 0, 0, 128, 0, 0, 255, 255, 0, 0, 255, 255, 255, 0, 0, 128};
    EXPECT_EQ(HexBytes(image.Pixels), HexBytes(want));
}

}  // namespace
