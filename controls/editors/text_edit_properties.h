#pragma once
// The text editor's settings object (Properties): what the inner edit is given after loading and
// on every change.
#include <windows.h>

#include "toolkit/alignment.h"

enum class TEditVertAlignment { taTopJustify, taBottomJustify, taVCenter };
enum class TEditEchoMode { eemNormal, eemPassword };
enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

struct TTextEditProperties {
    TAlignment Horz = TAlignment::taLeftJustify;
    TEditVertAlignment Vert = TEditVertAlignment::taTopJustify;
    bool AutoSelect = true;
    TEditEchoMode EchoMode = TEditEchoMode::eemNormal;
    wchar_t PasswordChar = 0;  // none: "*" in password mode
    bool HideSelection = true;
    TEditCharCase CharCase = TEditCharCase::ecNormal;
    bool ReadOnly = false;
    int MaxLength = 0;  // no limit
    bool ValidateOnEnter = false;
    bool operator==(const TTextEditProperties&) const = default;

    // The character the inner edit echoes: none in normal mode.
    wchar_t EchoChar() const {
        if (EchoMode == TEditEchoMode::eemNormal) return 0;
        return PasswordChar ? PasswordChar : L'*';
    }
};
