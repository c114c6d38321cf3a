// ReadGIF on tiny inline streams: header, screen, extensions, images and the failures.
#include <gtest/gtest.h>


#include "controls/animation/gif/frame_decoder.h"
#include "controls/animation/gif/gif_reader.h"
#include "tests/gif/gif_samples.h"
#include "toolkit/exceptions.h"

namespace {

const TColor kColor0 = MakeRGB(0x10, 0x20, 0x30);
const TColor kColor1 = MakeRGB(0xF0, 0xE0, 0xD0);

// A GIF89a whose screen is given by the case itself: its bytes follow the header.
TBytes WithScreen(const TBytes& screen, std::initializer_list<TBytes> blocks) {
    TBytes gif = Join({kHeader89a, screen});
    for (const TBytes& block : blocks) gif.insert(gif.end(), block.begin(), block.end());
    gif.push_back(0x3B);
    return gif;
}

TBytes Image(std::uint16_t width, std::uint16_t height) {
    TBytes image = kImage2x2;
    image[5] = static_cast<std::uint8_t>(width);  // width, low byte
    image[7] = static_cast<std::uint8_t>(height);  // height, low byte
    return image;
}

enum class TField {
    Version, LogicalWidth, LogicalHeight, Background, Looping, LoopCount, FrameCount,
    Left, Top, FrameWidth, FrameHeight, Delay, Disposal, Transparent, Corrupted, ExtensionCount,
    BitsPerPixel, Interlaced, LocalColors
};

const char* NameOf(TField field) {
    static const char* const kNames[] = {
        "Version", "LogicalWidth", "LogicalHeight", "BackgroundColor", "Looping", "LoopCount",
        "FrameCount", "Origin.Left", "Origin.Top", "FrameWidth", "FrameHeight", "Delay", "Disposal",
        "TransparentColor", "Corrupted", "Extensions.size", "BitsPerPixel", "Interlaced", "LocalColors"};
    return kNames[static_cast<int>(field)];
}

// The value of a field; frame fields are those of the last frame.
long long ValueOf(const TGIFContent& content, TField field) {
    switch (field) {
        case TField::Version: return static_cast<int>(content.Version);
        case TField::LogicalWidth: return content.LogicalWidth;
        case TField::LogicalHeight: return content.LogicalHeight;
        case TField::Background: return content.BackgroundColor;
        case TField::Looping: return content.Looping;
        case TField::LoopCount: return content.LoopCount;
        case TField::FrameCount: return static_cast<long long>(content.Frames.size());
        default: break;
    }
    if (content.Frames.empty()) return -1;
    const TGIFFrameRecord& frame = content.Frames.back();
    switch (field) {
        case TField::Left: return frame.Origin.Left;
        case TField::Top: return frame.Origin.Top;
        case TField::FrameWidth: return frame.Item->FrameWidth;
        case TField::FrameHeight: return frame.Item->FrameHeight;
        case TField::Delay: return frame.Delay;
        case TField::Disposal: return frame.Disposal;
        case TField::Transparent: return frame.TransparentColor;
        case TField::Corrupted: return frame.Corrupted;
        case TField::ExtensionCount: return static_cast<long long>(frame.Extensions.size());
        case TField::BitsPerPixel: return frame.Item->BitsPerPixel;
        case TField::Interlaced: return frame.Interlaced;
        case TField::LocalColors: return frame.LocalColors;
        default: return -1;
    }
}

struct TWant {
    TField Field;
    long long Value;
};

struct TLoadCase {
    const char* Name;
    TBytes Gif;
    std::vector<TWant> Wants;
};

const int kGv87a = static_cast<int>(TGIFVersion::gv87a);
const int kGv89a = static_cast<int>(TGIFVersion::gv89a);

std::vector<TLoadCase> LoadCases() {
    using F = TField;
    TBytes lowerCase = Gif({kImage2x2});
    lowerCase[0] = 'g';  // "gIf89A"
    lowerCase[2] = 'f';
    lowerCase[5] = 'A';
    TBytes version87 = Gif({kImage2x2});
    version87[4] = '7';
    const TBytes screen0x0 = {
        0x00, 0x00,  // logical width 0
        0x00, 0x00,  // logical height 0
        0x80,        // global table of 2 colours
        0x00,        // background index 0
        0x00,        // no aspect ratio
    };
    TBytes background2 = kScreen2x2;
    background2[5] = 0x02;  // background index 2, beyond the 2 colours
    const TBytes noGlobalTable = {
        0x02, 0x00,  // logical width 2
        0x02, 0x00,  // logical height 2
        0x00,        // no global table
        0x00,        // background index 0
        0x00,        // no aspect ratio
    };
    TBytes cutImage(kImage2x2.begin(), kImage2x2.end() - 2);  // last data byte and terminator lost
    TBytes interlaced = kImage2x2;
    interlaced[9] = 0x40;  // interlace flag
    const TBytes localTable = {
        0x2C,                    // image separator
        0x01, 0x00, 0x00, 0x00,  // left 1, top 0
        0x01, 0x00, 0x02, 0x00,  // width 1, height 2
        0x81,                    // local table of 2^(1+1) = 4 colours
        1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4,  // the 4 colours
        0x02, 0x01, 0x44, 0x00,  // code size 2, one byte: clear, 0 ... (data not decoded here)
    };
    const TBytes netscape0 = {0x01, 0x00, 0x00};       // loop sub-block id 1, count 0
    const TBytes netscapeMax = {0x01, 0xFF, 0xFF};     // count 65535
    const TBytes netscape7 = {0x01, 0x07, 0x00};       // count 7
    const TBytes bufferBlock = {0x02, 0x00, 0x04, 0x00, 0x00};  // id 2: buffering, not looping
    const TBytes shortLoop = {0x01, 0x05};             // too short for a count
    return {
        {"signature and version in other letter case", lowerCase, {{F::Version, kGv89a}, {F::FrameCount, 1}}},
        {"GIF87a", version87, {{F::Version, kGv87a}, {F::FrameCount, 1}}},
        {"screen 0x0 with a 2x2 frame loads", WithScreen(Join({screen0x0, kTwoColors}), {kImage2x2}),
         {{F::LogicalWidth, 0}, {F::LogicalHeight, 0}, {F::FrameCount, 1}, {F::FrameWidth, 2}}},
        {"frame of width 0 takes the screen's", Gif({Image(0, 2)}), {{F::FrameWidth, 2}, {F::FrameHeight, 2}}},
        {"frame of height 0 takes the screen's", Gif({Image(1, 0)}), {{F::FrameWidth, 1}, {F::FrameHeight, 2}}},
        {"screen 0x0, frame 0x0: stays 0x0", WithScreen(Join({screen0x0, kTwoColors}), {Image(0, 0)}),
         {{F::FrameWidth, 0}, {F::FrameHeight, 0}, {F::FrameCount, 1}}},
        {"background index within the table", Gif({kImage2x2}), {{F::Background, kColor1}}},
        {"background index beyond the table", WithScreen(Join({background2, kTwoColors}), {kImage2x2}),
         {{F::Background, clNone}}},
        {"no global table: no background, no colours", WithScreen(noGlobalTable, {kImage2x2}),
         {{F::Background, clNone}, {F::BitsPerPixel, 0}, {F::FrameCount, 1}}},
        {"global table of 2 gives 1 bit per pixel", Gif({kImage2x2}), {{F::BitsPerPixel, 1}, {F::LocalColors, 0}}},
        {"local table", Gif({localTable}),
         {{F::LocalColors, 1}, {F::BitsPerPixel, 2}, {F::Left, 1}, {F::Top, 0}, {F::FrameWidth, 1}}},
        {"interlace flag", Gif({interlaced}), {{F::Interlaced, 1}}},
        {"no looping extension", Gif({kImage2x2}), {{F::Looping, 0}, {F::LoopCount, 1}}},
        {"NETSCAPE2.0 loop 0", Gif({Application("NETSCAPE2.0", netscape0), kImage2x2}),
         {{F::Looping, 1}, {F::LoopCount, 0}}},
        {"NETSCAPE2.0 loop 65535 is limited", Gif({Application("NETSCAPE2.0", netscapeMax), kImage2x2}),
         {{F::Looping, 1}, {F::LoopCount, 30000}}},
        {"ANIMEXTS1.0 loop 7", Gif({Application("ANIMEXTS1.0", netscape7), kImage2x2}),
         {{F::Looping, 1}, {F::LoopCount, 7}}},
        {"NETSCAPE2.0 buffering block is no loop", Gif({Application("NETSCAPE2.0", bufferBlock), kImage2x2}),
         {{F::Looping, 0}, {F::LoopCount, 1}}},
        {"NETSCAPE2.0 block too short is no loop", Gif({Application("NETSCAPE2.0", shortLoop), kImage2x2}),
         {{F::Looping, 0}}},
        {"other application is no loop", Gif({Application("XMP DataXMP", netscape0), kImage2x2}),
         {{F::Looping, 0}, {F::FrameCount, 1}, {F::ExtensionCount, 0}}},
        {"graphic control applies to the image",
         Gif({GraphicControl(0x05, 7, 0), kImage2x2}),  // disposal 1, transparent index 0
         {{F::Delay, 70}, {F::Disposal, 1}, {F::Transparent, kColor0}, {F::ExtensionCount, 1}}},
        {"graphic control then plain text: not applied",
         Gif({GraphicControl(0x09, 30, 1), PlainText(), kImage2x2}),
         {{F::Delay, 0}, {F::Disposal, 0}, {F::Transparent, clNone}, {F::ExtensionCount, 0}, {F::FrameCount, 1}}},
        {"two graphic controls: larger delay, later disposal and colour",
         Gif({GraphicControl(0x09, 50, 0), GraphicControl(0x05, 20, 1), kImage2x2}),
         {{F::Delay, 500}, {F::Disposal, 1}, {F::Transparent, kColor1}, {F::ExtensionCount, 2}}},
        {"two graphic controls: later index beyond the table keeps the colour",
         Gif({GraphicControl(0x09, 5, 0), GraphicControl(0x0D, 6, 9), kImage2x2}),
         {{F::Delay, 60}, {F::Disposal, 3}, {F::Transparent, kColor0}}},
        {"two graphic controls: later flag clear removes the colour",
         Gif({GraphicControl(0x09, 5, 0), GraphicControl(0x04, 0, 0), kImage2x2}),
         {{F::Delay, 50}, {F::Disposal, 1}, {F::Transparent, clNone}}},
        {"transparent index beyond the table", Gif({GraphicControl(0x01, 0, 2), kImage2x2}),
         {{F::Transparent, clNone}}},
        {"transparency flag clear", Gif({GraphicControl(0x00, 0, 1), kImage2x2}), {{F::Transparent, clNone}}},
        {"comment before an image stays with it", Gif({Comment({"x"}), kImage2x2}),
         {{F::ExtensionCount, 1}, {F::FrameCount, 1}}},
        {"sub-blocks cut off: frame kept, corrupted", Join({kHeader89a, kScreen2x2, kTwoColors, cutImage}),
         {{F::FrameCount, 1}, {F::Corrupted, 1}}},
        {"terminator missing at the end: corrupted", Join({kHeader89a, kScreen2x2, kTwoColors,
                                                          TBytes(kImage2x2.begin(), kImage2x2.end() - 1)}),
         {{F::FrameCount, 1}, {F::Corrupted, 1}}},
        {"whole frame: not corrupted", Gif({kImage2x2}), {{F::Corrupted, 0}}},
        {"zero bytes between blocks are skipped", Gif({kImage2x2, {0x00, 0x00, 0x00}, kImage2x2}),
         {{F::FrameCount, 2}}},
        {"no trailer", Join({kHeader89a, kScreen2x2, kTwoColors, kImage2x2}), {{F::FrameCount, 1}}},
        {"stray byte after an image ends the stream quietly", Gif({kImage2x2, {0x99}, kImage2x2}),
         {{F::FrameCount, 1}}},
        {"data after the trailer is ignored", Join({Gif({kImage2x2}), kImage2x2}), {{F::FrameCount, 1}}},
        {"no images", Gif({}), {{F::FrameCount, 0}, {F::LogicalWidth, 2}}},
    };
}

TEST(GIFReader, LoadsAsDescribed) {
    std::vector<TLoadCase> cases = LoadCases();
    for (std::size_t row = 0; row < cases.size(); ++row) {
        const TLoadCase& c = cases[row];
        TGIFContent content;
        try {
            content = Parse(c.Gif);
        } catch (const Exception& e) {
            ADD_FAILURE() << "row " << row << " (" << c.Name << "): failed with \"" << e.Message()
                          << "\"\n  input: " << Hex(c.Gif);
            continue;
        }
        for (const TWant& want : c.Wants) {
            long long got = ValueOf(content, want.Field);
            EXPECT_EQ(got, want.Value) << "row " << row << " (" << c.Name << "): " << NameOf(want.Field)
                                       << " got 0x" << std::hex << got << " want 0x" << want.Value
                                       << "\n  input: " << Hex(c.Gif);
        }
    }
}

struct TFailCase {
    const char* Name;
    TBytes Gif;
    std::string Message;
    std::size_t FramesLeft;
};

std::vector<TFailCase> FailCases() {
    TBytes version90 = Gif({kImage2x2});
    version90[3] = '9';
    version90[4] = '0';
    TBytes signature = Gif({kImage2x2});
    signature[1] = 'X';
    TBytes unknownLow = Gif({kImage2x2});
    unknownLow.insert(unknownLow.end() - 1, {0x21, 0x99, 0x00});  // extension labelled 0x99
    TBytes unknownHigh = Gif({{0x21, 0xAB, 0x00}, kImage2x2});   // extension labelled 0xAB
    TBytes unknownOne = Gif({{0x21, 0x0A, 0x00}});                // extension labelled 0x0A
    return {
        {"version 90a", version90, "Unknown GIF version", 0},
        {"signature GXF", signature, "Unknown GIF version", 0},
        {"unknown extension after an image keeps the image", unknownLow, "Unrecognized extension block: 99", 1},
        {"unknown extension label in upper case", unknownHigh, "Unrecognized extension block: AB", 0},
        {"unknown extension label with two digits", unknownOne, "Unrecognized extension block: 0A", 0},
        {"stray byte where a block should start", Gif({{0x99}, kImage2x2}), "Stream read error", 0},
        {"stray byte after a comment", Gif({kImage2x2, Comment({"a"}), Comment({"b"}), {0x99}}),
         "Stream read error", 1},
        {"header cut", TBytes(kHeader89a.begin(), kHeader89a.begin() + 4), "Stream read error", 0},
        {"screen descriptor cut", Join({kHeader89a, {0x02, 0x00, 0x02}}), "Stream read error", 0},
        {"global table cut", Join({kHeader89a, kScreen2x2, {0x10, 0x20}}), "Stream read error", 0},
        {"no byte after the table", Join({kHeader89a, kScreen2x2, kTwoColors}), "Stream read error", 0},
        {"image descriptor cut", Join({kHeader89a, kScreen2x2, kTwoColors, {0x2C, 0x00, 0x00, 0x00}}),
         "Stream read error", 0},
        {"graphic control cut", Join({kHeader89a, kScreen2x2, kTwoColors, {0x21, 0xF9, 0x04, 0x00}}),
         "Stream read error", 0},
    };
}

TEST(GIFReader, FailsAsDescribed) {
    std::vector<TFailCase> cases = FailCases();
    for (std::size_t row = 0; row < cases.size(); ++row) {
        const TFailCase& c = cases[row];
        TGIFContent content;
        try {
            ReadGIF(c.Gif.size(), c.Gif, content);
            ADD_FAILURE() << "row " << row << " (" << c.Name << "): loaded, want \"" << c.Message
                          << "\"\n  input: " << Hex(c.Gif);
        } catch (const EInvalidGraphicOperation& e) {
            EXPECT_EQ(e.Message(), c.Message) << "row " << row << " (" << c.Name << ")";
            EXPECT_EQ(content.Frames.size(), c.FramesLeft) << "row " << row << " (" << c.Name << ")";
        }
    }
}

struct TCommentCase {
    const char* Name;
    TBytes Gif;
    std::vector<std::string> Comment;
};

TEST(GIFReader, CommentsAfterTheLastImageBecomeTheImagesComment) {
    const std::vector<TCommentCase> cases = {
        {"one comment", Gif({kImage2x2, Comment({"Hello"})}), {"Hello"}},
        {"sub-blocks joined", Gif({kImage2x2, Comment({"Hel", "lo"})}), {"Hello"}},
        {"two comments separated", Gif({kImage2x2, Comment({"a"}), Comment({"b"})}), {"a", "\r\n\r\n", "b"}},
        {"graphic control among them is dropped", Gif({kImage2x2, Comment({"a"}), GraphicControl(1, 0, 0)}),
         {"a"}},
        {"comment before the image stays with the frame", Gif({Comment({"a"}), kImage2x2}), {}},
        {"comment without image", Gif({Comment({"only"})}), {"only"}},
        {"zero byte inside a comment", Gif({kImage2x2, Comment({std::string("a\0b", 3)})}),
         {std::string("a\0b", 3)}},
    };
    for (std::size_t row = 0; row < cases.size(); ++row) {
        TGIFContent content = Parse(cases[row].Gif);
        EXPECT_EQ(content.Data->Comment, cases[row].Comment) << "row " << row << " (" << cases[row].Name << ")";
    }
}

TEST(GIFReader, CommentBeforeAnImageIsKeptAsTheFramesExtension) {
    TGIFContent content = Parse(Gif({Comment({"frame note"}), kImage2x2}));
    ASSERT_EQ(content.Frames.size(), 1u);
    ASSERT_EQ(content.Frames[0].Extensions.size(), 1u);
    EXPECT_EQ(content.Frames[0].Extensions[0].Kind, TExtensionKind::ekComment);
    EXPECT_EQ(content.Frames[0].Extensions[0].Text(), "frame note");
}

TEST(GIFReader, KeepsFrameDataExactlyAsRead) {
    TGIFContent content = Parse(Gif({kImage2x2}));
    ASSERT_EQ(content.Frames.size(), 1u);
    TBytes want(kImage2x2.begin() + 10, kImage2x2.end());  // code size, sub-block, terminator
    EXPECT_EQ(Hex(content.Frames[0].Item->ImageData), Hex(want));
    EXPECT_EQ(content.Frames[0].Item->PackedFields, 0x00);
    EXPECT_EQ(content.Frames[0].Item->ColorTable.Count(), 2);
    EXPECT_EQ(content.Data->BitsPerPixel, 1);
    EXPECT_EQ(content.Data->ColorResolution, 1);
}

TEST(GIFReader, SampleImageDecodesToIndexOne) {
    TGIFContent content = Parse(Gif({kImage2x2}));
    ASSERT_EQ(content.Frames.size(), 1u);
    TDecodedFrame decoded = DecodeFrame(*content.Frames[0].Item, false);
    EXPECT_FALSE(decoded.Corrupted);
    std::vector<TBytes> rows = IndexRowsOf(decoded.BitmapFile);
    EXPECT_EQ(Hex(Join({rows.at(0), rows.at(1)})), Hex({1, 1, 1, 1}));
}

TEST(GIFReader, CountBeyondTheSourceFailsAfterReset) {
    TBytes gif = Gif({kImage2x2});
    TGIFContent content = Parse(gif);
    try {
        ReadGIF(gif.size() + 1, gif, content);
        FAIL() << "loaded a source shorter than the count";
    } catch (const EInvalidGraphicOperation& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
    EXPECT_TRUE(content.Frames.empty());
    EXPECT_EQ(content.BackgroundColor, clNone);
}

TEST(GIFReader, CountZeroReadsNothing) {
    TBytes gif = Gif({kImage2x2});
    TGIFContent content = Parse(gif);
    ReadGIF(0, gif, content);
    EXPECT_TRUE(content.Frames.empty());
    EXPECT_EQ(content.Version, TGIFVersion::gvNone);
    EXPECT_EQ(content.LoopCount, 1);
}

TEST(GIFReader, CountLimitsTheBytesRead) {
    TBytes gif = Gif({kImage2x2, kImage2x2});
    TGIFContent content;
    ReadGIF(kHeader89a.size() + kScreen2x2.size() + kTwoColors.size() + kImage2x2.size(), gif, content);
    EXPECT_EQ(content.Frames.size(), 1u);
}

TEST(GIFReader, StrictModeRefusesCutOffFrames) {
    TStrictMode strict;
    TBytes cut = Join({kHeader89a, kScreen2x2, kTwoColors, TBytes(kImage2x2.begin(), kImage2x2.end() - 2)});
    try {
        Parse(cut);
        FAIL() << "strict mode loaded a cut-off frame";
    } catch (const EInvalidGraphicOperation& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
}

}  // namespace
