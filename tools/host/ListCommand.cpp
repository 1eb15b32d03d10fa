// list [FOLDER]: every entry the plug-in hands over, as a table.
#include <vector>

#include "Commands.h"
#include "ConsoleText.h"
#include "FolderEntries.h"
#include "TablePrint.h"

namespace mvhost {
namespace {

TableRow RowOf(const FolderEntry& entry) {
    return {entry.name, std::to_string(entry.size), LastWriteText(entry.lastWrite), AttributeText(entry.attributes)};
}

}  // namespace

int ListCommand(const PluginCalls& calls, const HostOptions& options) {
    if (options.arguments.size() > 1) return kExitUsage;
    const std::string folder = options.arguments.empty() ? std::string("\\") : options.arguments[0];
    std::vector<FolderEntry> entries;
    DWORD error = 0;
    if (!ListFolderEntries(calls, options, folder, entries, error)) {
        Print("FsFindFirst failed (error " + std::to_string(error) + ")\n");
        return kExitFailed;
    }
    std::vector<TableRow> rows;
    for (const FolderEntry& entry : entries) rows.push_back(RowOf(entry));
    PrintTable({"Name", "Size", "Last write (local time)", "Attributes"}, rows, {false, true});
    Print(std::to_string(rows.size()) + (rows.size() == 1 ? " entry\n" : " entries\n"));
    return kExitOk;
}

}  // namespace mvhost
