#pragma once
// Writing decoded colour indexes into the pixel rows of a bottom-up bitmap, row by row in plain or
// interlaced order, packed at 1, 4 or 8 bits per pixel. Rows start zeroed; pixels after the last
// row are ignored.
#include <cstddef>
#include <cstdint>
#include <cstring>

// The pixel area a frame is decoded into: Height rows of Stride bytes, the bottom row first.
struct TGIFPixelRows {
    std::uint8_t* Bits = nullptr;
    std::size_t Stride = 0;
    int Width = 0;
    int Height = 0;
    int Depth = 8;  // 1, 4 or 8
    bool Interlaced = false;
};

template <int Depth>
class TGIFRowWriter {
public:
    explicit TGIFRowWriter(const TGIFPixelRows& rows) : FRows(rows) {
        if (rows.Width <= 0) FRowsDone = rows.Height;
        if (!Done()) StartRow();
    }

    bool Done() const { return FRowsDone >= FRows.Height; }

    // Writes count indexes in order, moving on to further rows as needed.
    void Write(const std::uint8_t* indexes, int count) {
        while (count > 0 && !Done()) {
            int run = FRows.Width - FColumn < count ? FRows.Width - FColumn : count;
            if constexpr (Depth == 8) {
                std::memcpy(FRow + FColumn, indexes, static_cast<std::size_t>(run));
            } else {
                for (int i = 0; i < run; ++i) Put(FColumn + i, indexes[i]);
            }
            FColumn += run;
            indexes += run;
            count -= run;
            if (FColumn == FRows.Width) NextRow();
        }
    }

    // Writes one index.
    void Write(std::uint8_t index) {
        if (Done()) return;
        Put(FColumn, index);
        if (++FColumn == FRows.Width) NextRow();
    }

private:
    static constexpr int kPassStart[4] = {0, 4, 2, 1};
    static constexpr int kPassStep[4] = {8, 8, 4, 2};

    TGIFPixelRows FRows;
    std::uint8_t* FRow = nullptr;
    int FColumn = 0;
    int FY = 0;
    int FPass = 0;
    int FRowsDone = 0;

    void Put(int column, std::uint8_t index) {
        if constexpr (Depth == 8) {
            FRow[column] = index;
        } else if constexpr (Depth == 4) {
            FRow[column >> 1] |= static_cast<std::uint8_t>((column & 1) != 0 ? index : index << 4);
        } else {
            FRow[column >> 3] |= static_cast<std::uint8_t>(index << (7 - (column & 7)));
        }
    }

    void StartRow() {
        FRow = FRows.Bits + static_cast<std::size_t>(FRows.Height - 1 - FY) * FRows.Stride;
        FColumn = 0;
    }

    void NextRow() {
        ++FRowsDone;
        if (Done()) return;
        if (!FRows.Interlaced) {
            ++FY;
        } else {
            FY += kPassStep[FPass];
            while (FY >= FRows.Height) FY = kPassStart[++FPass];  // a pass without rows is skipped
        }
        StartRow();
    }
};
