#pragma once
// Drives the real dialog on the user-interface thread of the test: a fresh application per
// test, a private directory for Setting.ini and error.txt, and every message box captured.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/connection_dialog.h"
#include "toolkit/application.h"
#include "toolkit/message_box.h"

class TDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates and shows the dialog; Setting.ini may be prepared before.
    TFrmCorvane& OpenDialog();
    void Pump();
    // A key as the keyboard sends it to the focused window: key down (and its character), key up.
    void PressKey(UINT key);
    void ClickAt(TControl& control, int x = 2, int y = 2);
    // The name of the component whose window has the focus ("" when none).
    std::string FocusedName() const;

    std::string Path(const std::string& name) const { return FDirectory + name; }
    std::string ReadFile(const std::string& name) const;
    void WriteFile(const std::string& name, const std::string& content) const;
    bool FileExists(const std::string& name) const;

    std::unique_ptr<TApplication> FApplication;
    std::unique_ptr<TFrmCorvane> FDialog;
    std::string FDirectory;  // ANSI, ends with "\"
    std::vector<TMessageBoxRequest> FBoxes;
    // Runs while a captured box is "shown" (before it returns), e.g. to record the order of events.
    std::function<void(const TMessageBoxRequest&)> FOnBox;
};

// The dialog's texts in the ANSI code page, for comparing with what the dialog shows.
std::string Ansi(std::u8string_view utf8);
