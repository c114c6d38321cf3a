#include "toolkit/layout/layout_reader.h"

#include <cctype>

#include "toolkit/exceptions.h"

namespace {

// A cursor over the whole text that knows its line for error messages.
class TLayoutScanner {
public:
    explicit TLayoutScanner(const std::string& text) : FText(text) {}

    int Line() const { return FLine; }
    bool AtEnd() { SkipBlanks(); return FPos >= FText.size(); }

    [[noreturn]] void Fail(const std::string& what) const {
        throw Exception("Layout line " + std::to_string(FLine) + ": " + what);
    }

    void SkipBlanks() {
        while (FPos < FText.size()) {
            char c = FText[FPos];
            if (c == '\n') ++FLine;
            if (c != ' ' && c != '\t' && c != '\r' && c != '\n') break;
            ++FPos;
        }
    }

    char Peek() { SkipBlanks(); return FPos < FText.size() ? FText[FPos] : '\0'; }

    void Expect(char c) {
        if (Peek() != c) Fail(std::string("'") + c + "' expected");
        ++FPos;
    }

    // Identifiers may be dotted: Style.LookAndFeel.Kind
    std::string Identifier() {
        SkipBlanks();
        std::size_t start = FPos;
        while (FPos < FText.size() && (std::isalnum(static_cast<unsigned char>(FText[FPos])) ||
                                       FText[FPos] == '_' || FText[FPos] == '.'))
            ++FPos;
        if (start == FPos) Fail("name expected");
        return FText.substr(start, FPos - start);
    }

    // 'text' with '' standing for one quote; adjacent pieces joined with + are concatenated.
    std::string QuotedString() {
        std::string result;
        for (;;) {
            Expect('\'');
            for (;;) {
                if (FPos >= FText.size() || FText[FPos] == '\n') Fail("unterminated string");
                char c = FText[FPos++];
                if (c != '\'') { result += c; continue; }
                if (FPos < FText.size() && FText[FPos] == '\'') { result += '\''; ++FPos; continue; }
                break;
            }
            if (Peek() != '+') return result;
            ++FPos;
        }
    }

    std::int64_t Integer() {
        SkipBlanks();
        std::size_t start = FPos;
        if (FPos < FText.size() && FText[FPos] == '-') ++FPos;
        while (FPos < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos]))) ++FPos;
        std::string digits = FText.substr(start, FPos - start);
        if (digits.empty() || digits == "-") Fail("number expected");
        try {
            return std::stoll(digits);
        } catch (const std::exception&) {
            Fail("number out of range: " + digits);
        }
    }

private:
    const std::string& FText;
    std::size_t FPos = 0;
    int FLine = 1;
};

TLayoutValue ReadValue(TLayoutScanner& in) {
    char c = in.Peek();
    if (c == '\'') return in.QuotedString();
    if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) return in.Integer();
    if (c == '[') {
        in.Expect('[');
        TLayoutSet set;
        while (in.Peek() != ']') {
            set.Members.push_back(in.Identifier());
            if (in.Peek() == ',') in.Expect(',');
        }
        in.Expect(']');
        return set;
    }
    if (c == '(') {
        in.Expect('(');
        TLayoutStrings list;
        while (in.Peek() != ')') list.Items.push_back(in.QuotedString());
        in.Expect(')');
        return list;
    }
    std::string word = in.Identifier();
    if (word == "True") return true;
    if (word == "False") return false;
    if (word == "resource") return TLayoutResource{in.QuotedString()};
    return TLayoutIdentifier{word};
}

TLayoutObject ReadObject(TLayoutScanner& in) {
    TLayoutObject object;
    object.Line = in.Line();
    if (in.Identifier() != "object") in.Fail("'object' expected");
    object.Name = in.Identifier();
    in.Expect(':');
    object.ClassName = in.Identifier();
    for (;;) {
        if (in.AtEnd()) in.Fail("'end' of " + object.Name + " missing");
        TLayoutScanner probe = in;  // look at the next word without taking it
        std::string word = probe.Identifier();
        if (word == "object") {
            object.Children.push_back(ReadObject(in));
            continue;
        }
        int line = in.Line();
        in.Identifier();
        if (word == "end") return object;
        in.Expect('=');
        object.Properties.push_back({word, ReadValue(in), line});
    }
}

}  // namespace

TLayoutObject ReadLayout(const std::string& text) {
    TLayoutScanner in(text);
    TLayoutObject root = ReadObject(in);
    if (!in.AtEnd()) in.Fail("text after the last 'end'");
    return root;
}
