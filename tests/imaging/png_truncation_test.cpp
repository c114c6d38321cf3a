// A valid file cut at every length is refused with EInvalidGraphicOperation: no crash, no other
// exception, no image.
#include <gtest/gtest.h>

#include "tests/imaging/test_files.h"
#include "toolkit/exceptions.h"
#include "toolkit/imaging/png_decoder.h"

namespace {

// Plain and interlaced, packed, indexed, 16-bit and split image data.
const char* const TruncatedFiles[] = {"basn0g01", "basi3p02", "basi6a16", "basn2c08", "oi9n2c16", "tbbn3p08"};

TEST(PngTruncation, EveryShorterLengthIsRefused) {
    for (const char* name : TruncatedFiles) {
        const std::vector<std::uint8_t> file = ReadFileBytes(PngSuiteDir() / "images" / (std::string(name) + ".png"));
        ASSERT_NO_THROW(DecodePng(file)) << name << " whole";
        for (std::size_t length = 0; length < file.size(); ++length) {
            const std::span<const std::uint8_t> cut(file.data(), length);
            EXPECT_THROW(DecodePng(cut), EInvalidGraphicOperation) << name << " cut to " << length << " bytes";
        }
    }
}

}  // namespace
