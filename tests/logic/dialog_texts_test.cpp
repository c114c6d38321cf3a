// The Chinese texts must reach the program as UTF-8 whatever the compiler took the source
// file's encoding to be; the bytes below are written out so that a misread source shows.
#include "app/logic/dialog_texts.h"

#include "tests/logic/byte_text.h"

#include <gtest/gtest.h>

namespace {

struct TTextCase {
    std::u8string_view Text;
    std::string_view WantBytes;
};

const TTextCase TextCases[] = {
    {DialogTexts::Caption, "\xE8\xBF\x9E\xE6\x8E\xA5\xE5\x88\xB0SQL Server"},
    {DialogTexts::ApplicationTitle, "\xE6\x95\xB0\xE6\x8D\xAE\xE5\xBA\x93\xE8\xAE\xBE\xE7\xBD\xAE"},
    {DialogTexts::MessageCaption, "\xE6\x8F\x90\xE7\xA4\xBA"},
    {DialogTexts::ServerNameMissing,
     "\xE8\xAF\xB7\xE8\xBE\x93\xE5\x85\xA5SQL\xE6\x9C\x8D\xE5\x8A\xA1\xE5\x99\xA8\xE5\x90\x8D"
     "\xE7\xA7\xB0\xEF\xBC\x81"},
    {DialogTexts::DatabaseNameMissing,
     "\xE8\xAF\xB7\xE8\xBE\x93\xE5\x85\xA5\xE6\x95\xB0\xE6\x8D\xAE\xE5\xBA\x93\xE5\x90\x8D"
     "\xE7\xA7\xB0\xEF\xBC\x81"},
    {DialogTexts::UserNameMissing,
     "\xE8\xAF\xB7\xE8\xBE\x93\xE5\x85\xA5\xE7\x94\xA8\xE6\x88\xB7\xE5\x90\x8D\xEF\xBC\x81"},
    {DialogTexts::ConnectionSucceeded,
     "SQL Server \xE6\x95\xB0\xE6\x8D\xAE\xE5\xBA\x93\xE8\xBF\x9E\xE6\x8E\xA5\xE6\x88\x90"
     "\xE5\x8A\x9F\xEF\xBC\x81"},
    {DialogTexts::ConnectionLogPrefix,
     "\xE6\x95\xB0\xE6\x8D\xAE\xE5\xBA\x93\xE8\xBF\x9E\xE6\x8E\xA5\xE8\xAE\xBE\xE7\xBD\xAE:"},
};

TEST(DialogTexts, AreUtf8)
{
    for (size_t i = 0; i < std::size(TextCases); ++i) {
        const std::string got(TextCases[i].Text.begin(), TextCases[i].Text.end());
        EXPECT_EQ(Escaped(got), Escaped(TextCases[i].WantBytes)) << "row " << i;
    }
}

TEST(DialogTexts, CipherKeyHas22Characters)
{
    EXPECT_EQ(SettingNames::CipherKey.size(), 22u);
}

} // namespace
