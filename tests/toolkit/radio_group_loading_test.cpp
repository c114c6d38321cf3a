// A radio group read from a layout announces no change while it is read, nor from its loaded
// step, whatever order the layout gives its properties in: the dialog's handler would otherwise
// run before the dialog's fields are bound.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "controls/editors/radio_group.h"
#include "toolkit/application.h"
#include "toolkit/exceptions.h"
#include "toolkit/form.h"
#include "toolkit/form_loader.h"

namespace {

class TCountingContext : public TLayoutContext {
public:
    std::vector<std::uint8_t> Resource(const std::string& name) const override {
        throw Exception("no resource " + name);
    }
    TNotifyEvent NotifyHandler(const std::string& name) const override {
        if (name != "Changed") throw Exception("no handler " + name);
        return [this](TComponent*) { ++Changes; };
    }
    TKeyPressEvent KeyPressHandler(const std::string& name) const override { throw Exception("no handler " + name); }
    mutable int Changes = 0;
};

std::string GroupLayout(const std::string& properties) {
    return "object F: TForm\n  object R: TRadioGroup\n    Width = 200\n    Height = 60\n" + properties +
           "  end\nend\n";
}

constexpr char kOnChange[] = "    Properties.OnChange = Changed\n";
constexpr char kIndex[] = "    ItemIndex = 1\n";
constexpr char kItems[] = "    Properties.Items = (\n      'first'\n      'second')\n";

}  // namespace

TEST(RadioGroupLoadingTest, NoChangeIsAnnouncedWhileTheLayoutIsRead) {
    TApplication application;
    application.Initialize();
    RegisterComponentClass<TRadioGroup>("TRadioGroup");
    const std::string orders[] = {
        std::string(kOnChange) + kIndex + kItems,
        std::string(kOnChange) + kItems + kIndex,
        std::string(kIndex) + kOnChange + kItems,
        std::string(kIndex) + kItems + kOnChange,
        std::string(kItems) + kOnChange + kIndex,
    };
    for (const std::string& properties : orders) {
        SCOPED_TRACE(properties);
        TCountingContext context;
        auto form = std::make_unique<TForm>(nullptr);
        LoadForm(*form, ReadLayout(GroupLayout(properties)), context);
        auto group = dynamic_cast<TRadioGroup*>(form->FindComponent("R"));
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(context.Changes, 0);
        EXPECT_EQ(group->ItemIndex(), 1);
        // Once read, a real change is announced, once.
        group->SetItemIndex(0);
        EXPECT_EQ(context.Changes, 1);
        group->SetItemIndex(0);
        EXPECT_EQ(context.Changes, 1);
    }
}
