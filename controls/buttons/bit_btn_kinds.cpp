#include "controls/buttons/bit_btn_kinds.h"

#include <cstdint>

#include "toolkit/bitmap.h"

namespace {

const TBitBtnKindInfo kKinds[] = {
    {TBitBtnKind::bkCustom, L"", mrNone, false, false},
    {TBitBtnKind::bkOK, L"OK", mrOk, true, false},
    {TBitBtnKind::bkCancel, L"Cancel", mrCancel, false, true},
    {TBitBtnKind::bkHelp, L"&Help", mrNone, false, false},
    {TBitBtnKind::bkYes, L"&Yes", mrYes, true, false},
    {TBitBtnKind::bkNo, L"&No", mrNo, false, true},
    {TBitBtnKind::bkClose, L"&Close", mrNone, false, false},
    {TBitBtnKind::bkAbort, L"Abort", mrAbort, false, false},
    {TBitBtnKind::bkRetry, L"&Retry", mrRetry, false, false},
    {TBitBtnKind::bkIgnore, L"&Ignore", mrIgnore, false, false},
    {TBitBtnKind::bkAll, L"&All", mrAll, true, false},
};

constexpr int kSide = 12;
using TMask = const char* const[kSide];

// '#' marks the symbol's pixels.
TMask kCheck = {"............", "..........#.", ".........##.", "........##..", ".......##...", "#.....##....",
                "##...##.....", ".##.##......", "..###.......", "...#........", "............", "............"};
TMask kCross = {"............", ".##......##.", "..##....##..", "...##..##...", "....####....", ".....##.....",
                "....####....", "...##..##...", "..##....##..", ".##......##.", "............", "............"};
TMask kQuestion = {"....####....", "...##..##...", "........##..", ".......##...", "......##....", ".....##.....",
                   ".....##.....", "............", ".....##.....", ".....##.....", "............", "............"};
TMask kArrow = {"............", ".....#......", "....##......", "...#######..", "....##....#.", ".....#....#.",
                "..........#.", "..........#.", ".#########..", "............", "............", "............"};

struct TKindPicture {
    const TMask* Mask;
    std::uint32_t Color;  // 0xRRGGBB
};

TKindPicture PictureOf(TBitBtnKind kind) {
    switch (kind) {
    case TBitBtnKind::bkOK:
    case TBitBtnKind::bkYes:
    case TBitBtnKind::bkAll: return {&kCheck, 0x008000};
    case TBitBtnKind::bkCancel:
    case TBitBtnKind::bkNo:
    case TBitBtnKind::bkAbort: return {&kCross, 0xC00000};
    case TBitBtnKind::bkHelp: return {&kQuestion, 0x0000A0};
    case TBitBtnKind::bkClose:
    case TBitBtnKind::bkIgnore: return {&kCross, 0x404040};
    case TBitBtnKind::bkRetry: return {&kArrow, 0x0000A0};
    case TBitBtnKind::bkCustom: break;
    }
    return {nullptr, 0};
}

constexpr std::uint32_t kLeftOut = 0x008080;  // olive: never a symbol colour
constexpr std::uint32_t kGreyed = 0x808080;

}  // namespace

const TBitBtnKindInfo& BitBtnKindInfo(TBitBtnKind kind) {
    for (const TBitBtnKindInfo& info : kKinds)
        if (info.Kind == kind) return info;
    return kKinds[0];
}

void BuildKindGlyph(TBitBtnKind kind, TBitmap& glyph) {
    TKindPicture picture = PictureOf(kind);
    if (!picture.Mask) {
        glyph.SetSize(0, 0);
        return;
    }
    glyph.SetSize(2 * kSide, kSide);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            bool on = (*picture.Mask)[y][x] == '#';
            glyph.Bits()[y * 2 * kSide + x] = on ? picture.Color : kLeftOut;
            glyph.Bits()[y * 2 * kSide + kSide + x] = on ? kGreyed : kLeftOut;
        }
}
