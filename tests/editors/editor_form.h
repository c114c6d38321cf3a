#pragma once
// A shown form for editor tests, keys as the keyboard sends them, and the name of the focused
// control.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "toolkit/form.h"

class EditorFormTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    void Show();
    void Pump();
    // Key down (through the application's dialog-key routing and translation), then key up.
    void PressKey(UINT key);
    void TypeText(const std::wstring& text);
    std::string FocusedName() const;

    std::unique_ptr<TForm> FForm;
};
