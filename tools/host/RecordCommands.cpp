// records and record: the catalogue's registry store read and written
// directly, without the plug-in, to show what it holds and to set up what an
// earlier run of the plug-in would have left there. A value is named in
// UTF-16, which spells any name; a record's fields hold the code page.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "Commands.h"
#include "ConsoleText.h"
#include "TablePrint.h"
#include "catalogue/FileInfo.h"
#include "catalogue/RecordOfValue.h"
#include "catalogue/StoreKey.h"
#include "win32/AnsiText.h"
#include "win32/RegKey.h"

namespace mvhost {
namespace {

using morvane::CFileInfo;

// The longest value name the registry takes, in characters with the
// terminator.
constexpr DWORD kValueNameSize = 16384;

// The columns of a row: name, letter, device, mode, mounted, restore, path.
std::string LetterText(char letter) { return letter >= 0x21 && letter < 0x7F ? std::string(1, letter) : "-"; }

TableRow RowOf(const std::string& valueName, const CFileInfo& record, DWORD size) {
    TableRow row{valueName,
                 LetterText(record.driveLetter),
                 std::to_string(record.deviceNumber),
                 std::to_string(record.mountMode),
                 std::to_string(record.mounted),
                 std::to_string(record.restoreAtLogon),
                 AnsiToUtf8(morvane::ImagePathOf(record))};
    const std::string nameField = AnsiToUtf8(morvane::DisplayNameOf(record));
    if (nameField != valueName) row[0] += " (name field: " + nameField + ")";
    if (size != sizeof record) row[6] += " (" + std::to_string(size) + " bytes)";
    return row;
}

void PrintRows(const std::vector<TableRow>& rows) {
    PrintTable({"Name", "Letter", "Device", "Mode", "Mounted", "Restore", "Image path"}, rows);
}

// FIELD=VALUE applied to a record; nothing, or why the record's fields
// cannot take it.
const char* SetField(CFileInfo& record, const std::string& assignment) {
    const char* const notTaken = "no such field, or a value it does not take";
    const size_t equals = assignment.find('=');
    if (equals == std::string::npos) return notTaken;
    const std::string field = assignment.substr(0, equals), value = assignment.substr(equals + 1);
    if (field == "path" || field == "name") {
        const std::optional<std::string> ansi = morvane::win32::ExactAnsiName(Utf8ToWide(value));
        const bool set = ansi && (field == "path" ? morvane::SetFieldText(record.imagePath, *ansi)
                                                  : morvane::SetFieldText(record.findData.cFileName, *ansi));
        return set ? nullptr : "the system's code page cannot spell it within the field's 260 bytes";
    }
    char* end = nullptr;
    const unsigned long number = std::strtoul(value.c_str(), &end, 10);
    const bool isNumber = !value.empty() && *end == '\0';
    if (field == "letter" && value.size() == 1) {
        record.driveLetter = value[0];
    } else if (field == "letter" && value == "none") {
        record.driveLetter = '\0';
    } else if (field == "device" && isNumber) {
        record.deviceNumber = static_cast<uint32_t>(number);
    } else if (field == "mode" && isNumber) {
        record.mountMode = static_cast<uint32_t>(number);
    } else if (field == "mounted" && isNumber && number <= 255) {
        record.mounted = static_cast<uint8_t>(number);
    } else if (field == "restore" && isNumber && number <= 255) {
        record.restoreAtLogon = static_cast<uint8_t>(number);
    } else {
        return notTaken;
    }
    return nullptr;
}

}  // namespace

int RecordsCommand(const HostOptions& options) {
    if (!options.arguments.empty()) return kExitUsage;
    morvane::win32::RegKey key;
    std::vector<TableRow> rows;
    if (key.Open(HKEY_CURRENT_USER, morvane::kFilesListKey, KEY_READ) == ERROR_SUCCESS) {
        std::vector<wchar_t> name(kValueNameSize);
        for (DWORD index = 0;; ++index) {
            DWORD nameLength = kValueNameSize;
            DWORD type = REG_NONE;
            uint8_t data[morvane::kFileInfoSize];
            DWORD size = sizeof data;
            const LONG rc = RegEnumValueW(key.Get(), index, name.data(), &nameLength, nullptr, &type, data, &size);
            if (rc == ERROR_NO_MORE_ITEMS) break;
            const bool named = (rc == ERROR_SUCCESS || rc == ERROR_MORE_DATA) && nameLength < kValueNameSize;
            const std::string valueName = named ? WideToUtf8(std::wstring_view(name.data(), nameLength)) : "";
            const std::optional<CFileInfo> record =
                rc == ERROR_SUCCESS ? morvane::RecordOfValue(type, data, size) : std::nullopt;
            if (!record) {
                rows.push_back({valueName, "", "", "", "", "", "(not a record)"});
                continue;
            }
            rows.push_back(RowOf(valueName, *record, size));
        }
    }
    PrintRows(rows);
    Print(std::to_string(rows.size()) + (rows.size() == 1 ? " value\n" : " values\n"));
    return kExitOk;
}

int RecordCommand(const HostOptions& options) {
    if (options.arguments.empty()) return kExitUsage;
    const std::string& valueName = options.arguments[0];
    const std::wstring wideName = Utf8ToWide(valueName);
    morvane::win32::RegKey key;
    if (key.Create(HKEY_CURRENT_USER, morvane::kFilesListKey, KEY_READ | KEY_WRITE) != ERROR_SUCCESS) {
        Print("cannot open the store\n");
        return kExitFailed;
    }
    // A record that exists is changed; a new one starts all zero, its name
    // field naming it when the code page spells the name.
    uint8_t data[morvane::kFileInfoSize];
    DWORD type = REG_NONE;
    DWORD size = sizeof data;
    std::optional<CFileInfo> stored;
    if (key.QueryValue(wideName.c_str(), &type, data, &size) == ERROR_SUCCESS)
        stored = morvane::RecordOfValue(type, data, size);
    CFileInfo record = stored ? *stored : morvane::EmptyFileInfo();
    if (!stored) {
        if (const std::optional<std::string> ansi = morvane::win32::ExactAnsiName(wideName))
            morvane::SetFieldText(record.findData.cFileName, *ansi);
    }
    for (size_t i = 1; i < options.arguments.size(); ++i) {
        if (const char* why = SetField(record, options.arguments[i])) {
            Print("cannot set " + options.arguments[i] + ": " + why + "\n");
            return kExitUsage;
        }
    }
    if (key.SetValue(wideName.c_str(), REG_BINARY, &record, sizeof record) != ERROR_SUCCESS) {
        Print("cannot write " + valueName + "\n");
        return kExitFailed;
    }
    PrintRows({RowOf(valueName, record, sizeof record)});
    return kExitOk;
}

}  // namespace mvhost
