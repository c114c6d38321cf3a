// The rows of a vertical colour run: exact bottom row, 16.16 steps upward, bands of equal rows.
#include "controls/buttons/shading/vertical_blend.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Each row's colour, from the top, expanded from the bands.
std::vector<TColor> Rows(const std::vector<TBlendBand>& bands, int height) {
    std::vector<TColor> rows(static_cast<std::size_t>(height), 0xFFFFFFFFu);
    for (const TBlendBand& band : bands)
        for (int row = band.Top; row < band.Top + band.Height; ++row) rows.at(static_cast<std::size_t>(row)) = band.Color;
    return rows;
}

}  // namespace

TEST(VerticalBlend, RowsOfTheDialogsRuns) {
    struct {
        const char* Name;
        TColor Top, Bottom;
        int Height;
        std::vector<std::pair<int, TColor>> WantRows;
    } const cases[] = {
        {"face run: white to 244 over 27 rows, the top row one step short", MakeRGB(255, 255, 255),
         MakeRGB(244, 244, 244), 27, {{26, MakeRGB(244, 244, 244)}, {0, MakeRGB(254, 254, 254)}}},
        {"hot ring over 29 rows", MakeRGB(255, 241, 205), MakeRGB(255, 199, 60), 29,
         {{0, MakeRGB(255, 239, 200)}, {1, MakeRGB(255, 238, 195)}, {27, MakeRGB(255, 200, 65)},
          {28, MakeRGB(255, 199, 60)}}},
        {"focus ring over 29 rows", MakeRGB(220, 228, 252), MakeRGB(162, 183, 248), 29,
         {{0, MakeRGB(218, 226, 251)}, {1, MakeRGB(216, 224, 251)}, {27, MakeRGB(164, 184, 248)},
          {28, MakeRGB(162, 183, 248)}}},
        {"one row is the bottom colour", MakeRGB(0, 0, 0), MakeRGB(9, 9, 9), 1, {{0, MakeRGB(9, 9, 9)}}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        std::vector<TColor> rows = Rows(VerticalBlendBands(cases[i].Top, cases[i].Bottom, cases[i].Height),
                                        cases[i].Height);
        for (auto [row, want] : cases[i].WantRows)
            EXPECT_EQ(rows[static_cast<std::size_t>(row)], want)
                << "row " << i << " " << cases[i].Name << ", run row " << row << std::hex << ": got "
                << rows[static_cast<std::size_t>(row)] << ", want " << want;
    }
}

TEST(VerticalBlend, EqualRowsFormOneBandAndEveryRowIsCovered) {
    // 244 up to 254 over 27 rows: eleven colours, eleven bands, from the bottom upward.
    std::vector<TBlendBand> bands = VerticalBlendBands(MakeRGB(255, 255, 255), MakeRGB(244, 244, 244), 27);
    EXPECT_EQ(bands.size(), 11u);
    int covered = 0;
    for (const TBlendBand& band : bands) covered += band.Height;
    EXPECT_EQ(covered, 27);
    EXPECT_EQ(bands.front().Top + bands.front().Height, 27) << "the first band ends at the bottom row";
    EXPECT_EQ(bands.front().Color, MakeRGB(244, 244, 244));
    EXPECT_EQ(bands.back().Top, 0) << "the last band starts at the top row";
    std::vector<TBlendBand> flat = VerticalBlendBands(MakeRGB(7, 8, 9), MakeRGB(7, 8, 9), 40);
    ASSERT_EQ(flat.size(), 1u);
    EXPECT_EQ(flat[0], (TBlendBand{0, 40, MakeRGB(7, 8, 9)}));
}

TEST(VerticalBlend, NoRowsNoBands) {
    EXPECT_TRUE(VerticalBlendBands(MakeRGB(1, 2, 3), MakeRGB(4, 5, 6), 0).empty());
    EXPECT_TRUE(VerticalBlendBands(MakeRGB(1, 2, 3), MakeRGB(4, 5, 6), -3).empty());
}
