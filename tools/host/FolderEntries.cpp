#include "FolderEntries.h"

#include <cstring>

namespace mvhost {
namespace {

constexpr size_t kMaxEntries = 100000;

}  // namespace

bool ListFolderEntries(const PluginCalls& calls, const std::string& folder, std::vector<WIN32_FIND_DATAA>& entries,
                       DWORD& error) {
    entries.clear();
    error = 0;
    const OperationBracket listing(calls, morvane::kFsStatusOpList);
    std::string path = folder;
    WIN32_FIND_DATAA data;
    std::memset(&data, 0, sizeof data);
    SetLastError(0);
    const HANDLE find = calls.FsFindFirst(path.data(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return error == ERROR_NO_MORE_FILES;
    }
    do {
        entries.push_back(data);
        std::memset(&data, 0, sizeof data);
    } while (entries.size() < kMaxEntries && calls.FsFindNext(find, &data));
    calls.FsFindClose(find);
    return true;
}

}  // namespace mvhost
