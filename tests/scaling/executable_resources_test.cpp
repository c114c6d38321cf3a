// The manifest and the version resource, read back from the built program.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/strings.h"

namespace {

const std::wstring kExecutable = Utf8ToWide(DBSETUP_EXECUTABLE);

std::string ManifestText() {
    HMODULE module = LoadLibraryExW(kExecutable.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return {};
    std::string text;
    // Resource 1 of type RT_MANIFEST (24): the manifest the loader reads for a program.
    if (HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)))
        if (HGLOBAL data = LoadResource(module, info))
            text.assign(static_cast<const char*>(LockResource(data)), SizeofResource(module, info));
    FreeLibrary(module);
    return text;
}

TEST(ExecutableResources, ManifestDeclaresAwarenessAndAsInvokerWithoutCommonControls) {
    std::string manifest = ManifestText();
    ASSERT_FALSE(manifest.empty()) << "no manifest in " << DBSETUP_EXECUTABLE;
    const char* present[] = {
        "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, System</dpiAwareness>",
        "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>",
        "<requestedExecutionLevel level=\"asInvoker\"",
    };
    for (const char* text : present) EXPECT_NE(manifest.find(text), std::string::npos) << text;
    const char* absent[] = {"Microsoft.Windows.Common-Controls", "<dependency", "requireAdministrator"};
    for (const char* text : absent) EXPECT_EQ(manifest.find(text), std::string::npos) << text;
}

// The string values of the version resource's first translation.
class TVersionInfo {
public:
    TVersionInfo() {
        DWORD handle = 0;
        DWORD size = GetFileVersionInfoSizeW(kExecutable.c_str(), &handle);
        FData.resize(size);
        if (!size || !GetFileVersionInfoW(kExecutable.c_str(), 0, size, FData.data())) FData.clear();
    }
    bool Loaded() const { return !FData.empty(); }
    const VS_FIXEDFILEINFO* Fixed() const {
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(FData.data(), L"\\", &value, &length) || length < sizeof(VS_FIXEDFILEINFO)) return nullptr;
        return static_cast<const VS_FIXEDFILEINFO*>(value);
    }
    std::wstring String(const std::wstring& name) const {
        struct TTranslation {
            WORD Language, CodePage;
        };
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(FData.data(), L"\\VarFileInfo\\Translation", &value, &length) || length < 4) return {};
        auto translation = static_cast<const TTranslation*>(value);
        wchar_t block[64];
        swprintf(block, 64, L"\\StringFileInfo\\%04x%04x\\", translation->Language, translation->CodePage);
        if (!VerQueryValueW(FData.data(), (block + name).c_str(), &value, &length) || length == 0) return {};
        return std::wstring(static_cast<const wchar_t*>(value));
    }

private:
    std::vector<std::uint8_t> FData;
};

TEST(ExecutableResources, VersionResourceCarriesTheProjectVersionAndNames) {
    TVersionInfo info;
    ASSERT_TRUE(info.Loaded()) << "no version resource in " << DBSETUP_EXECUTABLE;
    const std::wstring version = Utf8ToWide(DBSETUP_VERSION);
    struct TRow {
        const wchar_t* Name;
        std::wstring Value;
    } rows[] = {
        {L"FileDescription", Utf8ToWide(u8"数据库设置")},
        {L"ProductName", Utf8ToWide(u8"数据库设置")},
        {L"OriginalFilename", L"dbsetup.exe"},
        {L"FileVersion", version},
        {L"ProductVersion", version},
    };
    for (const TRow& row : rows) EXPECT_EQ(info.String(row.Name), row.Value) << WideToUtf8(row.Name);

    const VS_FIXEDFILEINFO* fixed = info.Fixed();
    ASSERT_NE(fixed, nullptr);
    unsigned major = 0, minor = 0, patch = 0;
    ASSERT_EQ(swscanf(version.c_str(), L"%u.%u.%u", &major, &minor, &patch), 3) << DBSETUP_VERSION;
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(minor, major));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, patch));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
}

}  // namespace
