#include "tests/logic/oledb_connection_string.h"

#include "app/logic/trim_text.h"

#include <algorithm>

namespace {

class TConnectionStringReader {
public:
    explicit TConnectionStringReader(const std::string& text) : FText(text) {}

    std::optional<std::vector<TConnectionPair>> ReadAll()
    {
        std::vector<TConnectionPair> pairs;
        for (SkipBlanks(); FPos < FText.size(); SkipBlanks()) {
            if (FText[FPos] == ';') {
                ++FPos; // an empty pair
                continue;
            }
            std::optional<std::string> key = ReadKey();
            std::optional<std::string> value = key ? ReadValue() : std::nullopt;
            if (!value)
                return std::nullopt;
            pairs.push_back({*key, *value});
        }
        return pairs;
    }

private:
    void SkipBlanks()
    {
        while (FPos < FText.size() && IsBlankOrControl(FText[FPos]))
            ++FPos;
    }

    // Up to and past the single "=" that ends the key.
    std::optional<std::string> ReadKey()
    {
        std::string key;
        while (FPos < FText.size() && FText[FPos] != ';') {
            if (FText[FPos] != '=') {
                key += FText[FPos++];
            } else if (FPos + 1 < FText.size() && FText[FPos + 1] == '=') {
                key += '=';
                FPos += 2;
            } else {
                ++FPos;
                key = TrimText(key);
                return key.empty() ? std::nullopt : std::optional(key);
            }
        }
        return std::nullopt;
    }

    // Up to and past the ";" that ends the pair, or to the end.
    std::optional<std::string> ReadValue()
    {
        SkipBlanks();
        if (FPos < FText.size() && (FText[FPos] == '"' || FText[FPos] == '\''))
            return ReadQuotedValue();
        const std::string::size_type end = std::min(FText.find(';', FPos), FText.size());
        std::string value = TrimText(FText.substr(FPos, end - FPos));
        FPos = end + 1;
        return value;
    }

    std::optional<std::string> ReadQuotedValue()
    {
        const char quote = FText[FPos++];
        std::string value;
        while (FPos < FText.size()) {
            if (FText[FPos] != quote) {
                value += FText[FPos++];
            } else if (FPos + 1 < FText.size() && FText[FPos + 1] == quote) {
                value += quote;
                FPos += 2;
            } else {
                ++FPos;
                return EndOfPair() ? std::optional(value) : std::nullopt;
            }
        }
        return std::nullopt; // no closing quote
    }

    // After a quoted value: only blanks, then ";" or the end.
    bool EndOfPair()
    {
        SkipBlanks();
        if (FPos == FText.size())
            return true;
        if (FText[FPos] != ';')
            return false;
        ++FPos;
        return true;
    }

    const std::string& FText;
    std::string::size_type FPos = 0;
};

} // namespace

std::optional<std::vector<TConnectionPair>> ParseConnectionString(const std::string& text)
{
    return TConnectionStringReader(text).ReadAll();
}
