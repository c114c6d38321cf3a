#include "controls/animation/gif/gif_reader.h"

#include <algorithm>
#include <vector>

#include "controls/animation/gif/gif_byte_reader.h"
#include "controls/animation/gif/gif_errors.h"
#include "controls/animation/gif/gif_extension_reader.h"
#include "controls/animation/gif/gif_image_block.h"

namespace {

constexpr std::uint8_t kTrailer = 0x3B;
constexpr std::uint8_t kGlobalTableFlag = 0x80;
constexpr const char* kCommentSeparator = "\r\n\r\n";

bool EqualsIgnoringCase(std::span<const std::uint8_t> bytes, const char* text) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        auto lower = [](int c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
        if (lower(bytes[i]) != lower(static_cast<unsigned char>(text[i]))) return false;
    }
    return true;
}

// Reads one stream into one content record; the block loop keeps the extensions collected for
// the next image and the current block introducer.
class TGIFStreamReader {
public:
    TGIFStreamReader(std::span<const std::uint8_t> bytes, TGIFContent& content)
        : FReader(bytes), FContent(content) {}

    void Read() {
        ReadHeader();
        ReadScreen();
        ReadBlocks();
    }

private:
    TGIFByteReader FReader;
    TGIFContent& FContent;
    std::vector<TExtension> FCollected;
    std::uint8_t FIntroducer = 0;

    void ReadHeader() {
        std::span<const std::uint8_t> signature = FReader.ReadBytes(3);
        std::span<const std::uint8_t> version = FReader.ReadBytes(3);
        if (!EqualsIgnoringCase(signature, "GIF")) throw EInvalidGraphicOperation(kUnknownVersion);
        if (EqualsIgnoringCase(version, "87a"))
            FContent.Version = TGIFVersion::gv87a;
        else if (EqualsIgnoringCase(version, "89a"))
            FContent.Version = TGIFVersion::gv89a;
        else
            throw EInvalidGraphicOperation(kUnknownVersion);
    }

    void ReadScreen() {
        TGIFData& data = *FContent.Data;
        FContent.LogicalWidth = FReader.ReadWord();
        FContent.LogicalHeight = FReader.ReadWord();
        std::uint8_t packed = FReader.ReadByte();
        int backgroundIndex = FReader.ReadByte();
        data.AspectRatio = FReader.ReadByte();
        data.BitsPerPixel = (packed & 0x07) + 1;
        data.ColorResolution = ((packed >> 4) & 0x07) + 1;
        if ((packed & kGlobalTableFlag) == 0) return;
        data.GlobalColorTable = ReadColorTable(FReader, data.BitsPerPixel);
        if (data.GlobalColorTable.Contains(backgroundIndex))
            FContent.BackgroundColor = data.GlobalColorTable.ColorOf(backgroundIndex);
    }

    void ReadBlocks() {
        FIntroducer = FReader.ReadByte();
        while (FIntroducer != 0 && FIntroducer != kTrailer && !FReader.AtEnd()) {
            while (FIntroducer == kExtensionIntroducer) ReadOneExtension();
            if (FIntroducer == kImageSeparator) {
                ReadImage();
                if (!IsBlockStart(FIntroducer)) return;  // stray bytes after an image end the stream
            } else {
                HandleExtensionsWithoutImage();
            }
        }
    }

    static bool IsBlockStart(std::uint8_t introducer) {
        return introducer == 0 || introducer == kExtensionIntroducer || introducer == kImageSeparator ||
               introducer == kTrailer;
    }

    void ReadOneExtension() {
        TExtension extension = ReadExtension(FReader);
        switch (extension.Kind) {
            case TExtensionKind::ekPlainText:
                // The graphic control before a plain text belongs to the text, which is not shown.
                FCollected.clear();
                break;
            case TExtensionKind::ekApplication:
                if (std::optional<std::uint16_t> loops = LoopCountOf(extension)) {
                    FContent.Looping = true;
                    FContent.LoopCount = *loops;
                }
                break;
            case TExtensionKind::ekGraphicControl:
            case TExtensionKind::ekComment: FCollected.push_back(std::move(extension)); break;
        }
        FIntroducer = FReader.AtEnd() ? kTrailer : FReader.ReadByte();
    }

    void ReadImage() {
        TGIFFrameRecord frame;
        const TGIFColorTable& global = FContent.Data->GlobalColorTable;
        if (global.Count() > 0) frame.Item->BitsPerPixel = BitsPerPixelForColorCount(global.Count());
        frame.Extensions = std::move(FCollected);
        FCollected.clear();
        ReadImageBlock(FReader, FContent, frame);
        FContent.Frames.push_back(std::move(frame));
        FIntroducer = ReadIntroducerAfterImage();
    }

    // Zero bytes between an image's data and the next block are skipped: some writers pad there.
    std::uint8_t ReadIntroducerAfterImage() {
        if (FReader.AtEnd()) return kTrailer;
        std::uint8_t introducer = FReader.ReadByte();
        while (introducer == 0 && !FReader.AtEnd()) introducer = FReader.ReadByte();
        return introducer;
    }

    // Extensions before the trailer (or anything but an image) belong to no frame: their comments
    // become the image's comment, once.
    void HandleExtensionsWithoutImage() {
        std::vector<std::string>& comment = FContent.Data->Comment;
        if (comment.empty() && !FCollected.empty()) {
            for (const TExtension& extension : FCollected) {
                if (extension.Kind != TExtensionKind::ekComment) continue;
                if (!comment.empty()) comment.emplace_back(kCommentSeparator);
                comment.push_back(extension.Text());
            }
            FCollected.clear();
        } else if (FIntroducer != 0 && FIntroducer != kTrailer) {
            throw EInvalidGraphicOperation(kStreamReadError);
        }
    }
};

}  // namespace

void ReadGIF(std::size_t byteCount, std::span<const std::uint8_t> source, TGIFContent& content) {
    content = TGIFContent{};
    if (source.size() < byteCount) throw EInvalidGraphicOperation(kStreamReadError);
    if (byteCount == 0) return;
    TGIFStreamReader(source.first(byteCount), content).Read();
}
