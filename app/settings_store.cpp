// The settings store: one key of one section per call, through the platform's private-profile
// interface; nothing is cached between calls.
#include "app/connection_dialog.h"
#include "app/file_exists.h"
#include "app/logic/dialog_texts.h"
#include "toolkit/exceptions.h"

namespace {

constexpr DWORD kValueBufferSize = 2048;

// Drops the platform's cached copy, so the next call sees the file as it is on disk.
void FlushProfile(const std::string& path) { WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str()); }

}  // namespace

bool TFrmCorvane::WriteSetting(const std::string& fileName, const std::string& section, const std::string& key,
                               const TSettingsValue& value) {
    std::string path = fileName.empty() ? SettingsPath(std::string(SettingNames::FileName)) : fileName;
    if (section.empty() || key.empty()) return false;
    std::string text = SettingsValueText(value);
    BOOL written = WritePrivateProfileStringA(section.c_str(), key.c_str(), text.c_str(), path.c_str());
    FlushProfile(path);
    if (!written) throw EIniFileException("Unable to write to " + path);
    return true;
}

TSettingsValue TFrmCorvane::ReadSetting(const std::string& fileName, const std::string& section,
                                        const std::string& key, const TSettingsValue& defaultValue) {
    std::string path = fileName.empty() ? SettingsPath(std::string(SettingNames::FileName)) : fileName;
    try {
        if (!FileExists(path) || section.empty() || key.empty()) return defaultValue;
        std::string buffer(kValueBufferSize, '\0');
        DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), SettingsValueText(defaultValue).c_str(),
                                                buffer.data(), kValueBufferSize, path.c_str());
        buffer.resize(length);
        FlushProfile(path);
        return buffer;
    } catch (...) {
        return defaultValue;
    }
}
