#pragma once
// The fixed texts of the connection settings dialog and the names of its settings.
//
// The Chinese texts are UTF-8 here (std::u8string_view, so they cannot be handed to an ANSI
// function by mistake). The program works on 8-bit strings in the ANSI code page (936); the
// Win32 side converts these once, at its boundary, before showing, logging or comparing them.
// The ASCII texts (setting names, cipher key) are the same bytes in every ANSI code page and
// are plain std::string_view.
#include <cstdint>
#include <string_view>

namespace DialogTexts {

inline constexpr std::u8string_view Caption = u8"连接到SQL Server";
inline constexpr std::u8string_view ApplicationTitle = u8"数据库设置";
inline constexpr std::u8string_view MessageCaption = u8"提示";

// The input check, in the order it tests.
inline constexpr std::u8string_view ServerNameMissing = u8"请输入SQL服务器名称！";
inline constexpr std::u8string_view DatabaseNameMissing = u8"请输入数据库名称！";
inline constexpr std::u8string_view UserNameMissing = u8"请输入用户名！";

inline constexpr std::u8string_view ConnectionSucceeded = u8"SQL Server 数据库连接成功！";
// Put directly before the client's message when a failed test is logged.
inline constexpr std::u8string_view ConnectionLogPrefix = u8"数据库连接设置:";

} // namespace DialogTexts

namespace SettingNames {

// The key of the stored password's cipher (22 characters).
inline constexpr std::string_view CipherKey = "Tarpaulin&47%3.k(_2958";

inline constexpr std::string_view FileName = "Setting.ini";
inline constexpr std::string_view Section = "Main";

// The keys, in the order they are read on load and written on save.
inline constexpr std::string_view ServerKey = "DBServer";
inline constexpr std::string_view UserKey = "DBUser";
inline constexpr std::string_view DatabaseKey = "DBName";
inline constexpr std::string_view PortKey = "ConnPort";
inline constexpr std::string_view PasswordKey = "DBPsw";
inline constexpr std::string_view ConnTypeKey = "ConnType";

// Defaults on load; the other keys default to the empty text.
inline constexpr std::string_view DefaultUser = "Sa";
inline constexpr int32_t DefaultConnType = 1;

inline constexpr std::string_view ErrorLogFileName = "error.txt";

} // namespace SettingNames
