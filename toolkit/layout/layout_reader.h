#pragma once
// Reads a form's layout text: a tree of objects, each with a name, a class and its property
// values in stored order. The reader knows nothing of controls; the form loader applies the
// values. Portable: the layout can be checked natively.
//
//   object FrmCorvane: TFrmCorvane
//     Caption = '连接到SQL Server'
//     ClientWidth = 425
//     Font.Style = []
//     Properties.Items.Strings = ('Windows 身份验证' 'SQL Server 身份验证')
//     Image.Data = resource 'BUSY_GIF'
//     object Bevel1: TBevel
//       ...
//     end
//   end
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

struct TLayoutIdentifier {  // an enumeration value, colour name or event handler name
    std::string Name;
    bool operator==(const TLayoutIdentifier&) const = default;
};
struct TLayoutSet {  // [fsBold, fsItalic]
    std::vector<std::string> Members;
    bool operator==(const TLayoutSet&) const = default;
};
struct TLayoutStrings {  // ('one' 'two')
    std::vector<std::string> Items;
    bool operator==(const TLayoutStrings&) const = default;
};
struct TLayoutResource {  // binary data kept beside the layout, named: resource 'LOGO_PNG'
    std::string Name;
    bool operator==(const TLayoutResource&) const = default;
};

using TLayoutValue = std::variant<std::int64_t, bool, std::string, TLayoutIdentifier, TLayoutSet,
                                  TLayoutStrings, TLayoutResource>;

struct TLayoutProperty {
    std::string Name;  // dotted path: Style.LookAndFeel.NativeStyle
    TLayoutValue Value;
    int Line = 0;
};

struct TLayoutObject {
    std::string Name;
    std::string ClassName;
    std::vector<TLayoutProperty> Properties;
    std::vector<TLayoutObject> Children;
    int Line = 0;
};

// Parses the whole text (UTF-8). Raises Exception with the line number on any syntax error.
TLayoutObject ReadLayout(const std::string& text);
