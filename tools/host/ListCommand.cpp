// list [FOLDER]: every entry the plug-in hands over, as a table.
#include <cstring>
#include <vector>

#include "Commands.h"
#include "ConsoleText.h"
#include "FindDataText.h"
#include "TablePrint.h"

namespace mvhost {
namespace {

// A plug-in that never ends its enumeration must not hang the host.
constexpr size_t kMaxEntries = 100000;

TableRow RowOf(const WIN32_FIND_DATAA& data) {
    return {AnsiToUtf8(NameOf(data)), SizeText(data), LastWriteText(data), AttributeText(data.dwFileAttributes)};
}

}  // namespace

int ListCommand(const PluginCalls& calls, const HostOptions& options) {
    if (options.arguments.size() > 1) return kExitUsage;
    std::string folder = options.arguments.empty() ? std::string("\\") : options.arguments[0];

    std::vector<TableRow> rows;
    WIN32_FIND_DATAA data;
    std::memset(&data, 0, sizeof data);
    SetLastError(0);
    const HANDLE find = calls.FsFindFirst(folder.data(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error != ERROR_NO_MORE_FILES) {
            Print("FsFindFirst failed (error " + std::to_string(error) + ")\n");
            return kExitFailed;
        }
    } else {
        do {
            rows.push_back(RowOf(data));
            std::memset(&data, 0, sizeof data);
        } while (rows.size() < kMaxEntries && calls.FsFindNext(find, &data));
        calls.FsFindClose(find);
    }

    PrintTable({"Name", "Size", "Last write (local time)", "Attributes"}, rows, {false, true});
    Print(std::to_string(rows.size()) + (rows.size() == 1 ? " entry\n" : " entries\n"));
    return kExitOk;
}

}  // namespace mvhost
