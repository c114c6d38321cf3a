// The generated pictures the program embeds: the logo PNG (as designed, and drawn at 48 and 64
// pixels for displays with more pixels per inch) and the application icon.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/imaging/test_files.h"
#include "toolkit/imaging/png_chunks.h"
#include "toolkit/imaging/png_decoder.h"
#include "toolkit/imaging/png_header.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

struct TLogoPicture {
    const char* Name;
    std::uint32_t Size;
};

class LogoPicture : public ::testing::TestWithParam<TLogoPicture> {
protected:
    TBytes LogoFile() const { return ReadFileBytes(SourceDir() / "resources" / GetParam().Name); }
};

INSTANTIATE_TEST_SUITE_P(AllSizes, LogoPicture,
                         ::testing::Values(TLogoPicture{"logo.png", 32}, TLogoPicture{"logo48.png", 48},
                                           TLogoPicture{"logo64.png", 64}));

TEST_P(LogoPicture, ChunksAndHeader) {
    const std::uint32_t size = GetParam().Size;
    const TBytes file = LogoFile();
    Png::TChunkReader reader(file);
    std::vector<Png::TChunk> chunks;
    while (!reader.AtEnd()) {
        chunks.push_back(reader.Next());
    }
    ASSERT_EQ(chunks.size(), 4u);
    EXPECT_EQ(chunks[0].Type, "IHDR");
    EXPECT_EQ(chunks[1].Type, "tEXt");
    EXPECT_EQ(chunks[2].Type, "IDAT");
    EXPECT_EQ(chunks[3].Type, "IEND");
    const std::string text(chunks[1].Data.begin(), chunks[1].Data.end());
    EXPECT_EQ(text.substr(0, 9), std::string("Software\0", 9)) << text;
    EXPECT_NE(text.find("generate_pictures.py"), std::string::npos) << text;

    const Png::THeader header = Png::ParseHeader(chunks[0].Data);
    EXPECT_EQ(header.Width, size);
    EXPECT_EQ(header.Height, size);
    EXPECT_EQ(header.BitDepth, 8u);
    EXPECT_EQ(header.ColourType, Png::TColourType::ctRgbAlpha);
    EXPECT_FALSE(header.Interlaced);
}

TEST_P(LogoPicture, AlphaHasClearSolidAndSoftPixels) {
    const std::uint32_t size = GetParam().Size;
    const TPngImage logo = DecodePng(LogoFile());
    ASSERT_EQ(logo.Width, size);
    ASSERT_EQ(logo.Height, size);
    std::size_t clear = 0;
    std::size_t solid = 0;
    std::size_t soft = 0;
    for (std::size_t i = 3; i < logo.Pixels.size(); i += 4) {
        clear += logo.Pixels[i] == 0 ? 1 : 0;
        solid += logo.Pixels[i] == 255 ? 1 : 0;
        soft += logo.Pixels[i] != 0 && logo.Pixels[i] != 255 ? 1 : 0;
    }
    // A good share of each: at least one pixel in sixteen (the soft edge grows with the side only).
    EXPECT_GE(clear, size * size / 16);
    EXPECT_GE(solid, size * size / 16);
    EXPECT_GE(soft, size * 2);
}

std::uint16_t Little16(const TBytes& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes.at(at) | (bytes.at(at + 1) << 8));
}

std::uint32_t Little32(const TBytes& bytes, std::size_t at) {
    return Little16(bytes, at) | (std::uint32_t{Little16(bytes, at + 2)} << 16);
}

struct TIconImage {
    std::uint32_t Size;
    std::size_t Offset;
    std::size_t Length;
};

// Checks one image: a BITMAPINFOHEADER for 32 bits per pixel (height counting colour and mask),
// then the BGRA rows and the 1-bit AND mask, whose bits are set exactly where alpha is 0.
void CheckIconImage(const TBytes& file, const TIconImage& image) {
    const std::uint32_t size = image.Size;
    const std::size_t maskStride = (size + 31) / 32 * 4;
    ASSERT_EQ(image.Length, 40 + size * size * 4 + maskStride * size) << size;
    ASSERT_LE(image.Offset + image.Length, file.size()) << size;
    EXPECT_EQ(Little32(file, image.Offset), 40u) << size;
    EXPECT_EQ(Little32(file, image.Offset + 4), size) << size;
    EXPECT_EQ(Little32(file, image.Offset + 8), 2 * size) << size;
    EXPECT_EQ(Little16(file, image.Offset + 14), 32u) << size;
    const std::size_t colours = image.Offset + 40;
    const std::size_t mask = colours + size * size * 4;
    std::size_t clear = 0;
    std::size_t solid = 0;
    for (std::size_t y = 0; y < size; ++y) {
        for (std::size_t x = 0; x < size; ++x) {
            const std::uint8_t alpha = file[colours + (y * size + x) * 4 + 3];
            const bool maskBit = (file[mask + y * maskStride + x / 8] >> (7 - x % 8) & 1) != 0;
            EXPECT_EQ(maskBit, alpha == 0) << size << " x " << size << " at (" << x << ", " << y << ")";
            clear += alpha == 0 ? 1 : 0;
            solid += alpha == 255 ? 1 : 0;
        }
    }
    EXPECT_GT(clear, 0u) << size;
    EXPECT_GT(solid, 0u) << size;
}

TEST(ApplicationIcon, DirectoryOfFourImages) {
    const TBytes file = ReadFileBytes(SourceDir() / "resources" / "app.ico");
    ASSERT_GE(file.size(), 6u);
    EXPECT_EQ(Little16(file, 0), 0u);
    EXPECT_EQ(Little16(file, 2), 1u) << "resource type 1 is an icon";
    ASSERT_EQ(Little16(file, 4), 4u);
    const std::uint32_t wantSizes[] = {48, 32, 24, 16};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t entry = 6 + 16 * i;
        EXPECT_EQ(file.at(entry), wantSizes[i]) << "entry " << i << " width";
        EXPECT_EQ(file.at(entry + 1), wantSizes[i]) << "entry " << i << " height";
        EXPECT_EQ(Little16(file, entry + 4), 1u) << "entry " << i << " planes";
        EXPECT_EQ(Little16(file, entry + 6), 32u) << "entry " << i << " bits per pixel";
        CheckIconImage(file, TIconImage{wantSizes[i], Little32(file, entry + 12), Little32(file, entry + 8)});
    }
}

}  // namespace
