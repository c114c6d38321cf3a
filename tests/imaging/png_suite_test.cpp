// Every image of PngSuite: the valid ones decode to exactly the expected pixels, the damaged ones
// are refused with a message naming the fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "tests/imaging/test_files.h"
#include "toolkit/exceptions.h"
#include "toolkit/imaging/png_decoder.h"

namespace {

namespace fs = std::filesystem;

// The corpus has no expected pixels for the x* files except xcsn0g01 and xhdn0g08, whose only
// fault is a wrong checksum (of IDAT and IHDR). The decoder checks every CRC, so those two are
// refused as well: a file whose checksum does not match cannot be told apart from a damaged one.
const std::map<std::string, std::string> RefusedFiles = {
    {"xc1n0g08", "PNG: invalid colour type 1"},
    {"xc9n2c08", "PNG: invalid colour type 9"},
    {"xcrn0g04", "PNG: not a PNG file (bad signature)"},
    {"xcsn0g01", "PNG: bad CRC in IDAT"},
    {"xd0n2c08", "PNG: invalid bit depth 0 for colour type 2"},
    {"xd3n2c08", "PNG: invalid bit depth 3 for colour type 2"},
    {"xd9n2c08", "PNG: invalid bit depth 99 for colour type 2"},
    {"xdtn0g01", "PNG: no image data (IDAT)"},
    {"xhdn0g08", "PNG: bad CRC in IHDR"},
    {"xlfn0g04", "PNG: not a PNG file (bad signature)"},
    {"xs1n0g01", "PNG: not a PNG file (bad signature)"},
    {"xs2n0g01", "PNG: not a PNG file (bad signature)"},
    {"xs4n0g01", "PNG: not a PNG file (bad signature)"},
    {"xs7n0g01", "PNG: not a PNG file (bad signature)"},
};

template <typename TSample>
std::string ComparePixels(std::uint32_t width, const std::vector<TSample>& got,
                          const std::vector<std::uint32_t>& want) {
    if (got.size() != want.size()) {
        return "got " + std::to_string(got.size()) + " values, want " + std::to_string(want.size());
    }
    const auto [gotAt, wantAt] = std::mismatch(got.begin(), got.end(), want.begin());
    if (gotAt == got.end()) {
        return "";
    }
    const auto index = static_cast<std::size_t>(gotAt - got.begin());
    const std::size_t pixel = index / 4;
    return "pixel (" + std::to_string(pixel % width) + ", " + std::to_string(pixel / width) + ") channel " +
           std::to_string(index % 4) + ": got " + std::to_string(*gotAt) + ", want " + std::to_string(*wantAt);
}

// Returns what is wrong with the decoding of one valid image, or "".
std::string CheckValidImage(const fs::path& file, const fs::path& expectedFile) {
    if (!fs::exists(expectedFile)) {
        return "no expected pixels and not listed as refused";
    }
    const std::vector<std::uint8_t> bytes = ReadFileBytes(file);
    const std::vector<std::uint32_t> want = ReadJsonNumbers(expectedFile);
    try {
        const TPngImage16 wide = DecodePng16(bytes);
        if (wide.SourceBitDepth == 16) {
            return ComparePixels(wide.Width, wide.Pixels, want);
        }
        const TPngImage narrow = DecodePng(bytes);
        return ComparePixels(narrow.Width, narrow.Pixels, want);
    } catch (const EInvalidGraphicOperation& error) {
        return std::string("refused: ") + error.what();
    }
}

std::string CheckRefusedImage(const fs::path& file, const std::string& wantMessage) {
    try {
        DecodePng(ReadFileBytes(file));
        return "decoded, want the error \"" + wantMessage + "\"";
    } catch (const EInvalidGraphicOperation& error) {
        return error.what() == wantMessage ? "" : "got error \"" + std::string(error.what()) + "\", want \"" +
                                                       wantMessage + "\"";
    }
}

TEST(PngSuite, EveryImageDecodesToItsExpectedPixelsOrIsRefused) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(PngSuiteDir() / "images")) {
        files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::size_t refused = 0;
    for (const fs::path& file : files) {
        const std::string name = file.stem().string();
        const auto refusal = RefusedFiles.find(name);
        const std::string problem =
            refusal != RefusedFiles.end()
                ? CheckRefusedImage(file, refusal->second)
                : CheckValidImage(file, PngSuiteDir() / "expected" / (name + ".json"));
        EXPECT_EQ(problem, "") << "file " << name << ".png";
        refused += refusal != RefusedFiles.end() ? 1 : 0;
    }
    EXPECT_EQ(refused, RefusedFiles.size()) << "some refused files are missing from the corpus";
    EXPECT_EQ(files.size(), 175u) << "PngSuite has 175 images";
}

}  // namespace
