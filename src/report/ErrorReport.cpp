#include "report/ErrorReport.h"

#include <windows.h>

#include "report/DriveMessages.h"
#include "win32/AnsiText.h"
#include "win32/UniqueHandle.h"

namespace morvane {
namespace {

// The system's own wording for `error` in the language it chooses; empty when
// it has none.
std::wstring SystemErrorText(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                       nullptr, error, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    const win32::LocalMemory owner(buffer);
    if (length == 0 || buffer == nullptr) return std::wstring();
    return std::wstring(buffer, length);
}

}  // namespace

void ReportDriveError(Reporter& reporter, const std::string& failedObject, ReportContext context, uint32_t error) {
    const TextLookup lookup = [&reporter](TextId id) { return reporter.Text(id); };
    std::optional<std::wstring> special = SpecialDriveMessage(context, error, lookup);
    reporter.ShowOrLogMessage(special ? *special
                                      : SystemErrorMessage(win32::WideText(failedObject), SystemErrorText(error)));
}

}  // namespace morvane
