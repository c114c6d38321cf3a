#pragma once
// A reader of OLE DB connection strings, used by the tests to check what a composed string
// means to a provider. It follows the documented syntax: "key=value" pairs separated by ";";
// white space (bytes of 32 or less) around keys and unquoted values is ignored; a value may be
// enclosed in single or double quotes, the quote doubled inside stands for itself, and only
// white space may follow the closing quote; "==" in a key stands for "=".
#include <optional>
#include <string>
#include <vector>

struct TConnectionPair {
    std::string Key;
    std::string Value;
};

// The pairs in the order written; nothing when the text breaks the syntax.
std::optional<std::vector<TConnectionPair>> ParseConnectionString(const std::string& text);
