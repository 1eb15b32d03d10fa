// list [FOLDER]: every entry the plug-in hands over, as a table.
#include <algorithm>
#include <cstring>
#include <vector>

#include "Commands.h"
#include "ConsoleText.h"
#include "FindDataText.h"

namespace mvhost {
namespace {

// A plug-in that never ends its enumeration must not hang the host.
constexpr size_t kMaxEntries = 100000;

struct Row {
    std::string name, size, date, attributes;
};

std::string Padded(const std::string& text, size_t width, bool right) {
    const size_t w = DisplayWidth(text);
    const std::string fill(w < width ? width - w : 0, ' ');
    return right ? fill + text : text + fill;
}

void PrintTable(const std::vector<Row>& rows) {
    const Row heading{"Name", "Size", "Last write (local time)", "Attributes"};
    size_t nameWidth = DisplayWidth(heading.name), sizeWidth = DisplayWidth(heading.size);
    for (const Row& r : rows) {
        nameWidth = std::max(nameWidth, DisplayWidth(r.name));
        sizeWidth = std::max(sizeWidth, DisplayWidth(r.size));
    }
    auto line = [&](const Row& r) {
        return Padded(r.name, nameWidth, false) + "  " + Padded(r.size, sizeWidth, true) + "  " +
               Padded(r.date, 23, false) + "  " + r.attributes + "\n";
    };
    std::string text = line(heading);
    for (const Row& r : rows) text += line(r);
    Print(text);
}

Row RowOf(const WIN32_FIND_DATAA& data) {
    return Row{AnsiToUtf8(NameOf(data)), SizeText(data), LastWriteText(data), AttributeText(data.dwFileAttributes)};
}

}  // namespace

int ListCommand(const PluginCalls& calls, const HostOptions& options) {
    if (options.arguments.size() > 1) return kExitUsage;
    std::string folder = options.arguments.empty() ? std::string("\\") : options.arguments[0];

    std::vector<Row> rows;
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

    PrintTable(rows);
    Print(std::to_string(rows.size()) + (rows.size() == 1 ? " entry\n" : " entries\n"));
    return kExitOk;
}

}  // namespace mvhost
