#include "tests/editors/editor_form.h"

#include "controls/editors/radio_button.h"
#include "tests/animation/test_application.h"
#include "toolkit/application.h"

void EditorFormTest::SetUp() {
    FForm = std::make_unique<TForm>(nullptr);
    FForm->SetClientSize(400, 200);
}

void EditorFormTest::TearDown() {
    FForm.reset();
    PumpFor(20);
}

void EditorFormTest::Show() {
    FForm->ShowForm();
    Pump();
}

void EditorFormTest::Pump() { PumpFor(30); }

void EditorFormTest::PressKey(UINT key) {
    UINT scan = MapVirtualKeyW(key, 0);
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1 | (scan << 16));
    Pump();
    PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001 | (scan << 16));
    Pump();
}

void EditorFormTest::TypeText(const std::wstring& text) {
    for (wchar_t c : text) PostMessageW(GetFocus(), WM_CHAR, c, 1);
    Pump();
}

std::string EditorFormTest::FocusedName() const {
    TWinControl* control = TWinControl::FromHandle(GetFocus());
    if (auto button = dynamic_cast<TCustomRadioGroupButton*>(control))
        return button->Parent()->Name() + "[" + std::to_string(button->Index()) + "]";
    return control ? control->Name() : std::string();
}
