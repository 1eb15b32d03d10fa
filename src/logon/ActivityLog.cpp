#include "logon/ActivityLog.h"

#include <windows.h>

#include <ctime>

#include "logon/LogEntry.h"
#include "logon/TimeStamp.h"
#include "win32/AnsiText.h"
#include "win32/OwnModule.h"
#include "win32/UniqueHandle.h"

namespace morvane {
namespace {

// No sharing: a second writer at this moment fails to open the log and its
// entry is lost, rather than interleaving with this one.
void AppendToLog(const std::wstring& path, const std::string& message) {
    win32::FileHandle log(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!log) return;

    const std::string entry =
        LogEntry(FormatTimeStamp(static_cast<int64_t>(std::time(nullptr)), kLogTimeStampPattern), message);
    if (entry.size() > MAXDWORD) return;
    LARGE_INTEGER end{};
    if (!SetFilePointerEx(log.Get(), end, nullptr, FILE_END)) return;
    DWORD written = 0;
    WriteFile(log.Get(), entry.data(), static_cast<DWORD>(entry.size()), &written, nullptr);
}

}  // namespace

void AppendToActivityLog(const std::wstring& message) {
    // Without the plug-in's own folder the log would land in whatever the
    // current directory is; then there is no log.
    const std::wstring directory = win32::OwnModuleDirectory();
    if (!directory.empty()) AppendToLog(directory + win32::WideText(kLogFileName), win32::AnsiText(message));
}

}  // namespace morvane
