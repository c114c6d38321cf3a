// The yardstick for start-up: a plain Win32 window of the dialog's size with as many native
// child windows as the dialog creates (five text editors each a frame around an EDIT, three
// buttons, a radio group with two buttons), in the dialog's fonts and captions, painted by the
// platform.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HFONT Font(const wchar_t* face, int height, BYTE charset) {
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, charset, 0, 0, 0, 0, face);
}

void Child(HWND parent, const wchar_t* kind, const wchar_t* text, DWORD style, int x, int y, int w, int h,
           HFONT font) {
    HWND child = CreateWindowExW(0, kind, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"MinimalDialog";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, wc.lpszClassName, L"Minimal dialog",
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU, 300, 200, 431, 327, nullptr, nullptr,
                                  instance, nullptr);
    HFONT editorFont = Font(L"宋体", -13, ANSI_CHARSET);
    HFONT groupFont = Font(L"宋体", -12, ANSI_CHARSET);
    HFONT buttonFont = Font(L"MS Sans Serif", -11, DEFAULT_CHARSET);
    const int editorTops[] = {25, 134, 167, 200, 25};
    for (int top : editorTops) {
        Child(window, L"STATIC", L"服务器名：", SS_LEFT, 133, top, 225, 25, groupFont);
        Child(window, L"EDIT", L"Sa", ES_AUTOHSCROLL, 136, top + 5, 219, 15, editorFont);
    }
    Child(window, L"BUTTON", L"测试", BS_PUSHBUTTON, 11, 253, 89, 33, buttonFont);
    Child(window, L"BUTTON", L"保存", BS_PUSHBUTTON, 221, 253, 89, 33, buttonFont);
    Child(window, L"BUTTON", L"关闭", BS_PUSHBUTTON, 322, 253, 89, 33, buttonFont);
    Child(window, L"STATIC", L"", 0, 130, 68, 261, 60, groupFont);
    Child(window, L"BUTTON", L"Windows 身份验证", BS_AUTORADIOBUTTON, 130, 68, 261, 30, groupFont);
    Child(window, L"BUTTON", L"SQL Server 身份验证", BS_AUTORADIOBUTTON, 130, 98, 261, 30, groupFont);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
