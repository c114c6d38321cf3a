#include "toolkit/layout/layout_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "toolkit/exceptions.h"

namespace {

std::string DialogLayoutText() {
    std::ifstream file(std::string(DBSETUP_SOURCE_DIR) + "/resources/dialog.layout", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

const TLayoutProperty* Find(const TLayoutObject& object, const std::string& name) {
    for (const TLayoutProperty& property : object.Properties)
        if (property.Name == name) return &property;
    return nullptr;
}

}  // namespace

TEST(LayoutReader, ReadsEveryValueKind) {
    TLayoutObject root = ReadLayout(
        "object F: TForm\n"
        "  Caption = 'it''s ' + 'joined'\n"
        "  Width = -12\n"
        "  Visible = False\n"
        "  Color = clBtnFace\n"
        "  Font.Style = [fsBold, fsItalic]\n"
        "  Properties.Items = (\n    'one'\n    'two')\n"
        "  Image.Data = resource 'BUSY_GIF'\n"
        "  object Child: TLabel\n  end\n"
        "end\n");
    EXPECT_EQ(root.Name, "F");
    EXPECT_EQ(root.ClassName, "TForm");
    ASSERT_EQ(root.Properties.size(), 7u);
    EXPECT_EQ(std::get<std::string>(root.Properties[0].Value), "it's joined");
    EXPECT_EQ(std::get<std::int64_t>(root.Properties[1].Value), -12);
    EXPECT_EQ(std::get<bool>(root.Properties[2].Value), false);
    EXPECT_EQ(std::get<TLayoutIdentifier>(root.Properties[3].Value).Name, "clBtnFace");
    EXPECT_EQ(std::get<TLayoutSet>(root.Properties[4].Value).Members, (std::vector<std::string>{"fsBold", "fsItalic"}));
    EXPECT_EQ(std::get<TLayoutStrings>(root.Properties[5].Value).Items, (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(std::get<TLayoutResource>(root.Properties[6].Value).Name, "BUSY_GIF");
    EXPECT_EQ(root.Properties[6].Line, 10);
    ASSERT_EQ(root.Children.size(), 1u);
    EXPECT_EQ(root.Children[0].Name, "Child");
}

TEST(LayoutReader, RefusesBrokenTextNamingTheLine) {
    struct TCase {
        const char* Text;
        const char* Message;
    } cases[] = {
        {"object F: TForm\n  Caption = 'open\nend\n", "Layout line 2: unterminated string"},
        {"object F: TForm\n  Width = 12\n", "Layout line 3: 'end' of F missing"},
        {"object F: TForm\n  Width 12\nend\n", "Layout line 2: '=' expected"},
        {"object F TForm\nend\n", "Layout line 1: ':' expected"},
        {"object F: TForm\nend\nend\n", "Layout line 3: text after the last 'end'"},
        {"object F: TForm\n  Width = 99999999999999999999\nend\n", "Layout line 2: number out of range: 99999999999999999999"},
        {"thing F: TForm\nend\n", "Layout line 1: 'object' expected"},
    };
    for (const TCase& row : cases) {
        try {
            ReadLayout(row.Text);
            ADD_FAILURE() << "accepted: " << row.Text;
        } catch (const Exception& error) {
            EXPECT_STREQ(error.what(), row.Message) << row.Text;
        }
    }
}

// The dialog's own layout: every component in creation order, the handlers it names.
TEST(LayoutReader, DialogLayoutHoldsEveryControlInCreationOrder) {
    TLayoutObject root = ReadLayout(DialogLayoutText());
    EXPECT_EQ(root.Name, "FrmCorvane");
    EXPECT_EQ(root.ClassName, "TFrmCorvane");
    std::vector<std::string> names;
    for (const TLayoutObject& child : root.Children) names.push_back(child.Name);
    std::vector<std::string> expected{"Bevel1",      "Bevel2",    "Label1",         "Label2",
                                      "Label3",      "Label4",    "Label5",         "Bevel3",
                                      "TmpGif",      "ImgLogo",   "RdgConnType",    "btnClose",
                                      "BtnSave",     "BtnTest",   "EditServerName", "EditDatabaseName",
                                      "EditUserName", "EditPassword", "EditConnPort", "AdoConn"};
    EXPECT_EQ(names, expected);
    const TLayoutObject& gif = root.Children[8];
    std::vector<std::string> order;
    for (const TLayoutProperty& property : gif.Properties) order.push_back(property.Name);
    // The animation is switched on before its picture arrives, while the layout is read.
    auto position = [&](const char* name) { return std::find(order.begin(), order.end(), name) - order.begin(); };
    EXPECT_LT(position("AsyncDrawing"), position("Animate"));
    EXPECT_LT(position("Animate"), position("Image.Data"));
    EXPECT_EQ(std::get<std::int64_t>(Find(root.Children[10], "ItemIndex")->Value), 1);
    EXPECT_EQ(std::get<TLayoutIdentifier>(Find(root.Children[18], "OnKeyPress")->Value).Name,
              "EditServerNameKeyPress");
}
