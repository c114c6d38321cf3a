// The error log: one time-stamped line appended to error.txt per failure, the file opened,
// written and closed for every entry.
#include "app/connection_dialog.h"
#include "app/file_exists.h"
#include "app/logic/dialog_texts.h"
#include "app/logic/in_out_error.h"
#include "app/logic/log_entry.h"
#include "toolkit/exceptions.h"

namespace {

[[noreturn]] void RaiseInOutError(DWORD code) {
    throw EInOutError(InOutErrorMessage(static_cast<int>(code)), static_cast<int>(code));
}

TDateTimeParts Parts(const SYSTEMTIME& time) {
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond, time.wMilliseconds};
}

}  // namespace

void TFrmCorvane::WriteErrorLog(const std::string& message) {
    std::string path = SettingsPath(std::string(SettingNames::ErrorLogFileName));
    // Others may read the log while an entry is written, never write to it.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              FileExists(path) ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) RaiseInOutError(GetLastError());
    std::string line = LogEntry(FormatTimeStamp(FLogFormats, Parts(FClock())), message);
    DWORD written = 0;
    bool ok = SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
              WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
              written == line.size();
    DWORD failure = ok ? 0 : GetLastError();
    if (!CloseHandle(file) && ok) RaiseInOutError(GetLastError());
    if (!ok) RaiseInOutError(failure ? failure : ERROR_HANDLE_DISK_FULL);
}
