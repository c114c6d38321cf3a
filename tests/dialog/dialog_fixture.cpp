#include "tests/dialog/dialog_fixture.h"

#include <fstream>
#include <sstream>

#include "controls/editors/radio_group.h"
#include "controls/editors/text_edit.h"
#include "toolkit/strings.h"

std::string Ansi(std::u8string_view utf8) { return Utf8ToAnsi(utf8); }

namespace {

std::string NewTestDirectory() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    static int counter = 0;
    std::string directory = std::string(temp) + "dbsetup-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                            std::to_string(++counter) + "\\";
    CreateDirectoryA(directory.c_str(), nullptr);
    return directory;
}

void RemoveTree(const std::string& directory) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((directory + "*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = directory + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + "\\");
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryA(directory.c_str());
}

}  // namespace

void TDialogTest::SetUp() {
    FApplication = std::make_unique<TApplication>();
    FApplication->Initialize();
    FApplication->SetTitle(Ansi(u8"数据库设置"));
    RegisterDialogClasses();
    FDirectory = NewTestDirectory();
    SetMessageBoxHandler([this](const TMessageBoxRequest& request) {
        FBoxes.push_back(request);
        if (FOnBox) FOnBox(request);
        return IDOK;
    });
}

void TDialogTest::TearDown() {
    SetMessageBoxHandler({});
    FDialog.reset();
    FApplication.reset();
    // A terminate request leaves WM_QUIT behind; the next test starts from an empty queue.
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
    RemoveTree(FDirectory);
}

TFrmCorvane& TDialogTest::OpenDialog() {
    FDialog = std::make_unique<TFrmCorvane>(nullptr, FDirectory);
    FApplication->SetMainForm(FDialog.get());
    FDialog->ShowForm();
    Pump();
    return *FDialog;
}

void TDialogTest::Pump() {
    for (int i = 0; i < 3; ++i) FApplication->ProcessMessages();
}

// Posted as the keyboard would; translating the key down gives its character (WM_CHAR).
void TDialogTest::PressKey(UINT key) {
    UINT scan = MapVirtualKeyW(key, 0);
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1 | (scan << 16));
    Pump();
    PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001 | (scan << 16));
    Pump();
}

void TDialogTest::ClickAt(TControl& control, int x, int y) {
    HWND window = control.Windowless() ? control.Parent()->Handle() : static_cast<TWinControl&>(control).Handle();
    int left = control.Windowless() ? control.Left() + x : x;
    int top = control.Windowless() ? control.Top() + y : y;
    LPARAM point = MAKELPARAM(left, top);
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(window, WM_LBUTTONUP, 0, point);
    Pump();
}

std::string TDialogTest::FocusedName() const {
    TWinControl* control = TWinControl::FromHandle(GetFocus());
    if (auto item = dynamic_cast<TCustomRadioGroupButton*>(control))
        return item->Parent()->Name() + "[" + std::to_string(item->Index()) + "]";
    return control ? control->Name() : std::string();
}

std::string TDialogTest::ReadFile(const std::string& name) const {
    std::ifstream file(Path(name), std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void TDialogTest::WriteFile(const std::string& name, const std::string& content) const {
    std::ofstream file(Path(name), std::ios::binary);
    file << content;
}

bool TDialogTest::FileExists(const std::string& name) const {
    DWORD attributes = GetFileAttributesA(Path(name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
