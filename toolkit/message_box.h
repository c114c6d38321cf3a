#pragma once
// Every modal message box of the program passes through here, so tests can capture them.
#include <functional>
#include <string>

struct TMessageBoxRequest {
    std::string Text;     // ANSI code page
    std::string Caption;  // ANSI code page
    unsigned Flags = 0;   // MB_OK | MB_ICONINFORMATION ...
};

using TMessageBoxHandler = std::function<int(const TMessageBoxRequest&)>;

// Shows a box owned by the application's main window (disabled meanwhile); returns the button.
int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags);

// Replaces how boxes are shown; an empty handler restores the platform's box. Returns the old one.
TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler);
