#include "controls/animation/gif/lzw_decoder.h"

#include <algorithm>
#include <array>
#include <memory>

#include "controls/animation/gif/gif_errors.h"
#include "controls/animation/gif/lzw_code_reader.h"

namespace {

constexpr int kMaxCodeWidth = 12;
constexpr int kTableSize = 1 << kMaxCodeWidth;  // 4096 codes
constexpr int kStackSize = kTableSize + 1;      // the longest chain plus the KwKwK character
constexpr int kMinCodeSize = 2;
constexpr int kMaxCodeSize = 9;

struct TLZWTables {
    std::array<std::uint16_t, kTableSize> Prefix{};
    std::array<std::uint8_t, kTableSize> Suffix{};  // colour indexes, masked to 8 bits at most
    std::array<std::uint8_t, kStackSize> Stack{};   // filled from the end, read forwards
};

template <int Depth>
class TLZWDecoder {
public:
    TLZWDecoder(std::span<const std::uint8_t> data, const TGIFPixelRows& rows, int bitsPerPixel,
                bool tolerant, const TProgressHandler& progress)
        : FData(data),
          FCodes(data.subspan(1)),
          FWriter(rows),
          FMask((1 << std::clamp(bitsPerPixel, 0, Depth)) - 1),
          FTolerant(tolerant),
          FProgress(progress),
          FTables(std::make_unique<TLZWTables>()) {}

    bool Run() {
        StartCodes(FData[0]);
        int code = 0;
        if (!FCodes.Read(FWidth, code)) return RanOut();
        while (code != FEndCode && !FWriter.Done()) {
            if (code == FClearCode) {
                ResetTable();
                if (!FCodes.Read(FWidth, code)) return RanOut();
                // Further clear codes, or the end code, right after a clear write nothing.
                if (code == FClearCode || code == FEndCode) continue;
                StartString(code);
            } else if (!Expand(code)) {
                return true;
            }
            ReportProgress();
            if (!FCodes.Read(FWidth, code)) return RanOut();
        }
        return FCorrupt;
    }

private:
    std::span<const std::uint8_t> FData;
    TLZWCodeReader FCodes;
    TGIFRowWriter<Depth> FWriter;
    int FMask;
    bool FTolerant;
    const TProgressHandler& FProgress;
    std::unique_ptr<TLZWTables> FTables;
    bool FCorrupt = false;
    int FCodeSize = 0, FClearCode = 0, FEndCode = 0, FFirstFree = 0;
    int FWidth = 0, FLimit = 0, FNextFree = 0;
    bool FAdditionsAllowed = true;
    int FPrevious = 0, FFirst = 0, FLastPercent = -1;

    void StartCodes(int codeSize) {
        if (codeSize < kMinCodeSize || codeSize > kMaxCodeSize) {
            MarkCorrupt(kCodeSizeOutOfRange);
            codeSize = std::clamp(codeSize, kMinCodeSize, kMaxCodeSize);
        }
        FCodeSize = codeSize;
        FClearCode = 1 << codeSize;
        FEndCode = FClearCode + 1;
        FFirstFree = FClearCode + 2;
        ResetTable();
    }

    void ResetTable() {
        FWidth = FCodeSize + 1;
        FLimit = 1 << FWidth;
        FNextFree = FFirstFree;
        FAdditionsAllowed = true;
    }

    void MarkCorrupt(const char* message) {
        if (!FTolerant) throw EInvalidGraphicOperation(message);
        FCorrupt = true;
    }

    // The code after a clear code stands for itself.
    void StartString(int code) {
        FFirst = code & FMask;
        FWriter.Write(static_cast<std::uint8_t>(FFirst));
        FPrevious = code;
    }

    // Writes the string of code and adds the next table entry; false when the data is corrupt.
    bool Expand(int code) {
        if (FCorrupt) return false;  // a clamped code size: only what followed a clear code is kept
        if (code <= FMask && code < FNextFree) {  // a single colour index: no chain to walk
            FFirst = code;
            FWriter.Write(static_cast<std::uint8_t>(code));
            AddEntry();
            FPrevious = code;
            return true;
        }
        std::uint8_t* stack = FTables->Stack.data();
        int top = kStackSize;
        int current = code;
        if (code >= FNextFree) {  // the code being defined right now: previous string + its first
            stack[--top] = static_cast<std::uint8_t>(FFirst);
            current = FPrevious;
        }
        while (current > FMask) {
            if (top == 1) {  // 4096 characters pushed: a chain that long only comes from a loop
                MarkCorrupt(kCorruptData);
                break;
            }
            stack[--top] = FTables->Suffix[current];
            current = FTables->Prefix[current];
        }
        if (FCorrupt) return false;
        FFirst = current & FMask;
        stack[--top] = static_cast<std::uint8_t>(FFirst);
        FWriter.Write(stack + top, kStackSize - top);
        AddEntry();
        FPrevious = code;
        return true;
    }

    void AddEntry() {
        if (!FAdditionsAllowed) return;
        FTables->Prefix[FNextFree] = static_cast<std::uint16_t>(FPrevious);
        FTables->Suffix[FNextFree] = static_cast<std::uint8_t>(FFirst);
        if (++FNextFree < FLimit) return;
        if (FWidth < kMaxCodeWidth) {
            ++FWidth;
            FLimit <<= 1;
        } else {
            FAdditionsAllowed = false;  // the table is full until the next clear code
        }
    }

    // The data ended: damage only when rows are still missing.
    bool RanOut() {
        if (!FWriter.Done()) MarkCorrupt(kStreamReadError);
        return FCorrupt;
    }

    void ReportProgress() {
        if (!FProgress) return;
        auto consumed = static_cast<std::size_t>(FCodes.Position() - FData.data());
        int percent = static_cast<int>(consumed * 100 / FData.size());
        if (percent == FLastPercent) return;
        FLastPercent = percent;
        FProgress(TProgressStage::psRunning, percent, {});
    }
};

template <int Depth>
bool Decode(std::span<const std::uint8_t> frameData, const TGIFPixelRows& rows, int bitsPerPixel,
            bool tolerant, const TProgressHandler& progress) {
    return TLZWDecoder<Depth>(frameData, rows, bitsPerPixel, tolerant, progress).Run();
}

bool DecodeAtDepth(std::span<const std::uint8_t> frameData, const TGIFPixelRows& rows, int bitsPerPixel,
                   bool tolerant, const TProgressHandler& progress) {
    if (frameData.empty()) {
        if (!tolerant) throw EInvalidGraphicOperation(kStreamReadError);
        return true;
    }
    switch (rows.Depth) {
        case 1: return Decode<1>(frameData, rows, bitsPerPixel, tolerant, progress);
        case 4: return Decode<4>(frameData, rows, bitsPerPixel, tolerant, progress);
        case 8: return Decode<8>(frameData, rows, bitsPerPixel, tolerant, progress);
        default: throw EInvalidGraphicOperation(kWrongColorCount);
    }
}

}  // namespace

bool DecodeLZW(std::span<const std::uint8_t> frameData, const TGIFPixelRows& rows, int bitsPerPixel,
               bool tolerateCorruptData, const TProgressHandler& progress) {
    if (progress) progress(TProgressStage::psStarting, 0, {});
    try {
        bool corrupt = DecodeAtDepth(frameData, rows, bitsPerPixel, tolerateCorruptData, progress);
        if (progress) progress(TProgressStage::psEnding, 100, {});
        return corrupt;
    } catch (const Exception& failure) {
        if (progress) progress(TProgressStage::psEnding, 100, failure.Message());
        throw;
    }
}
