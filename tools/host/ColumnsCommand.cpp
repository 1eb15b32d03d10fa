// columns: the folder as the file manager shows it in the plug-in's default
// view: the name, then one column for each field of the view, each value
// asked for as the file manager asks (through the wide call when the plug-in
// has one, unless --ansi asks for the narrow one) and shown as it shows it.
#include <cstring>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

#include "Commands.h"
#include "ConsoleText.h"
#include "FolderEntries.h"
#include "TablePrint.h"
#include "plugin/FsPluginApi.h"
#include "plugin/PanelColumns.h"

namespace mvhost {
namespace {

constexpr int kViewTextSize = 1024;
constexpr int kValueBytes = 2048;
// A field list that never ends must not hang the host.
constexpr int kMaxFields = 256;

// Splits a view text at its separators, a backslash and "n".
std::vector<std::string> ViewItems(const std::string& text) {
    std::vector<std::string> items;
    size_t start = 0;
    for (size_t at = text.find("\\n"); at != std::string::npos; at = text.find("\\n", start)) {
        items.push_back(text.substr(start, at - start));
        start = at + 2;
    }
    items.push_back(text.substr(start));
    return items;
}

// "[=<fs>.Field]" or "[=<fs>.Field.unit]": the field's name; empty for the
// file manager's own fields and anything else.
std::string PluginFieldOf(const std::string& item) {
    const std::string prefix = "[=<fs>.";
    if (item.compare(0, prefix.size(), prefix) != 0 || item.back() != ']') return std::string();
    const std::string field = item.substr(prefix.size(), item.size() - prefix.size() - 1);
    return field.substr(0, field.find('.'));
}

// The field indexes by name, as the plug-in enumerates them.
std::map<std::string, int> FieldIndexes(const PluginCalls& calls) {
    std::map<std::string, int> indexes;
    for (int index = 0; index < kMaxFields; ++index) {
        char name[256] = {}, units[256] = {};
        if (calls.FsContentGetSupportedField(index, name, units, sizeof name) == morvane::kFtNoMoreFields) break;
        indexes[name] = index;
    }
    return indexes;
}

// A value as the file manager shows it; empty for an empty field.
std::string ValueText(const PluginCalls& calls, const HostOptions& options, const std::string& remoteName, int index) {
    alignas(8) char value[kValueBytes] = {};
    int type = 0;
    if (CallsWide(calls.FsContentGetValueW, options)) {
        std::wstring wide = Utf8ToWide(remoteName);
        type = calls.FsContentGetValueW(wide.data(), index, 0, value, sizeof value, 0);
    } else {
        std::string ansi = Utf8ToAnsi(remoteName);
        type = calls.FsContentGetValue(ansi.data(), index, 0, value, sizeof value, 0);
    }
    int32_t flag = 0;
    switch (type) {
        case morvane::kFieldBoolean: std::memcpy(&flag, value, sizeof flag); return flag ? "Yes" : "No";
        case morvane::kFieldString:
        case morvane::kFieldMultipleChoice: return AnsiToUtf8(std::string_view(value, strnlen(value, sizeof value)));
        case morvane::kFieldStringW: {
            const auto* text = reinterpret_cast<const wchar_t*>(value);
            return WideToUtf8(std::wstring_view(text, wcsnlen(text, sizeof value / sizeof *text)));
        }
        case morvane::kFtFieldEmpty: return std::string();
        default: return "(" + std::to_string(type) + ")";
    }
}

}  // namespace

int ColumnsCommand(const PluginCalls& calls, const HostOptions& options) {
    if (!options.arguments.empty()) return kExitUsage;
    if (!calls.FsContentGetSupportedField || !calls.FsContentGetValue || !calls.FsContentGetDefaultView) {
        Print("the plug-in has no custom columns\n");
        return kExitNoPlugin;
    }
    char contents[kViewTextSize] = {}, headers[kViewTextSize] = {}, widths[kViewTextSize] = {},
         viewOptions[kViewTextSize] = {};
    if (!calls.FsContentGetDefaultView(contents, headers, widths, viewOptions, kViewTextSize)) {
        Print("the plug-in has no default view\n");
        return kExitFailed;
    }
    Print(std::string("default view: ") + contents + "\n  headers " + headers + ", widths " + widths + ", options " +
          viewOptions + "\n");

    const std::map<std::string, int> indexes = FieldIndexes(calls);
    const std::vector<std::string> items = ViewItems(contents);
    const std::vector<std::string> titles = ViewItems(headers);
    TableRow heading{"Name"};
    std::vector<int> fields;
    for (size_t i = 0; i < items.size(); ++i) {
        const auto found = indexes.find(PluginFieldOf(items[i]));
        fields.push_back(found == indexes.end() ? -1 : found->second);
        heading.push_back(i < titles.size() ? titles[i] : items[i]);
    }

    std::vector<FolderEntry> entries;
    DWORD error = 0;
    ListFolderEntries(calls, options, "\\", entries, error);
    std::vector<TableRow> rows;
    for (const FolderEntry& entry : entries) {
        TableRow row{entry.name};
        for (int field : fields)
            row.push_back(field < 0 ? "?" : ValueText(calls, options, RemoteName(entry.name), field));
        rows.push_back(row);
    }
    PrintTable(heading, rows);
    Print(std::to_string(rows.size()) + (rows.size() == 1 ? " entry\n" : " entries\n"));
    return kExitOk;
}

}  // namespace mvhost
