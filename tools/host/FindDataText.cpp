#include "FindDataText.h"

#include <cstdio>

#include "ConsoleText.h"

namespace mvhost {
namespace {

template <typename Char, size_t N>
std::basic_string<Char> FieldText(const Char (&field)[N]) {
    size_t len = 0;
    while (len < N && field[len] != 0) ++len;
    return std::basic_string<Char>(field, len);
}

template <typename FindData>
FolderEntry EntryWithoutName(const FindData& data) {
    FolderEntry entry;
    entry.size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    entry.lastWrite = data.ftLastWriteTime;
    entry.attributes = data.dwFileAttributes;
    return entry;
}

}  // namespace

FolderEntry EntryOf(const WIN32_FIND_DATAW& data) {
    FolderEntry entry = EntryWithoutName(data);
    entry.name = WideToUtf8(FieldText(data.cFileName));
    return entry;
}

FolderEntry EntryOf(const WIN32_FIND_DATAA& data) {
    FolderEntry entry = EntryWithoutName(data);
    entry.name = AnsiToUtf8(FieldText(data.cFileName));
    return entry;
}

std::string LastWriteText(const FILETIME& utc) {
    if (utc.dwLowDateTime == 0 && utc.dwHighDateTime == 0) return "-";
    FILETIME local;
    SYSTEMTIME time;
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &time)) return "?";
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", time.wYear, time.wMonth, time.wDay, time.wHour,
                  time.wMinute, time.wSecond);
    return text;
}

std::string AttributeText(DWORD attributes) {
    struct Letter {
        DWORD bit;
        char letter;
    };
    const Letter letters[] = {
        {FILE_ATTRIBUTE_READONLY, 'R'},    {FILE_ATTRIBUTE_HIDDEN, 'H'},     {FILE_ATTRIBUTE_SYSTEM, 'S'},
        {FILE_ATTRIBUTE_DIRECTORY, 'D'},   {FILE_ATTRIBUTE_ARCHIVE, 'A'},    {FILE_ATTRIBUTE_TEMPORARY, 'T'},
        {FILE_ATTRIBUTE_SPARSE_FILE, 'P'}, {FILE_ATTRIBUTE_COMPRESSED, 'C'}, {FILE_ATTRIBUTE_OFFLINE, 'O'},
    };
    std::string text;
    for (const Letter& l : letters)
        if (attributes & l.bit) text += l.letter;
    if (text.empty()) text = "-";
    char hex[16];
    std::snprintf(hex, sizeof hex, " (0x%lX)", static_cast<unsigned long>(attributes));
    return text + hex;
}

}  // namespace mvhost
