#include "toolkit/imaging/png_decoder.h"

#include <algorithm>

#include "toolkit/imaging/png_inflate.h"
#include "toolkit/imaging/png_interlace.h"
#include "toolkit/imaging/png_pixels.h"
#include "toolkit/imaging/png_structure.h"
#include "toolkit/imaging/png_unfilter.h"

namespace {

// Unpacks the unfiltered rows of one pass and puts each pixel at its place in the image.
void PlacePass(std::span<const std::uint8_t> rows, const Png::TPass& pass, const Png::TStructure& image,
               TPngImage16& result) {
    const std::size_t rowBytes = Png::RowBytes(image.Header, pass.Width);
    std::vector<std::uint16_t> line(std::size_t{pass.Width} * 4);
    for (std::uint32_t j = 0; j < pass.Height; ++j) {
        Png::UnpackRow(rows.subspan(j * (rowBytes + 1) + 1, rowBytes), image, line);
        const std::size_t y = pass.YStart + std::size_t{j} * pass.YStep;
        for (std::uint32_t i = 0; i < pass.Width; ++i) {
            const std::size_t x = pass.XStart + std::size_t{i} * pass.XStep;
            std::copy_n(line.begin() + 4 * i, 4, result.Pixels.begin() + 4 * (y * result.Width + x));
        }
    }
}

std::uint8_t NarrowTo8Bits(std::uint16_t value) {
    return static_cast<std::uint8_t>((value * 255u + 32767u) / 65535u);
}

}  // namespace

TPngImage16 DecodePng16(std::span<const std::uint8_t> file) {
    const Png::TStructure image = Png::ReadStructure(file);
    const Png::THeader& header = image.Header;
    const std::vector<Png::TPass> passes = Png::PassesOf(header);
    std::vector<std::uint8_t> data = Png::InflateImageData(image.ImageData, Png::FilteredDataSize(header, passes));

    TPngImage16 result{header.Width, header.Height, header.BitDepth, {}};
    result.Pixels.resize(std::size_t{header.Width} * header.Height * 4);
    std::size_t offset = 0;
    for (const Png::TPass& pass : passes) {
        if (pass.Width == 0 || pass.Height == 0) {
            continue;
        }
        const std::size_t rowBytes = Png::RowBytes(header, pass.Width);
        const auto rows = std::span(data).subspan(offset, pass.Height * (rowBytes + 1));
        Png::UnfilterRows(rows, rowBytes, pass.Height, Png::FilterStride(header));
        PlacePass(rows, pass, image, result);
        offset += rows.size();
    }
    return result;
}

TPngImage DecodePng(std::span<const std::uint8_t> file) {
    const TPngImage16 wide = DecodePng16(file);
    TPngImage result{wide.Width, wide.Height, std::vector<std::uint8_t>(wide.Pixels.size())};
    std::transform(wide.Pixels.begin(), wide.Pixels.end(), result.Pixels.begin(), NarrowTo8Bits);
    return result;
}
