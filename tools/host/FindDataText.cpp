#include "FindDataText.h"

#include <cstdio>

namespace mvhost {

std::string NameOf(const WIN32_FIND_DATAA& data) {
    size_t len = 0;
    while (len < sizeof data.cFileName && data.cFileName[len] != '\0') ++len;
    return std::string(data.cFileName, len);
}

std::string SizeText(const WIN32_FIND_DATAA& data) {
    const unsigned long long size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return std::to_string(size);
}

std::string LastWriteText(const WIN32_FIND_DATAA& data) {
    const FILETIME& utc = data.ftLastWriteTime;
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
        {FILE_ATTRIBUTE_READONLY, 'R'},  {FILE_ATTRIBUTE_HIDDEN, 'H'},     {FILE_ATTRIBUTE_SYSTEM, 'S'},
        {FILE_ATTRIBUTE_DIRECTORY, 'D'}, {FILE_ATTRIBUTE_ARCHIVE, 'A'},    {FILE_ATTRIBUTE_TEMPORARY, 'T'},
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
