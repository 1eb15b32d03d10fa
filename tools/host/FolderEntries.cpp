#include "FolderEntries.h"

#include "Commands.h"
#include "ConsoleText.h"

namespace mvhost {
namespace {

constexpr size_t kMaxEntries = 100000;

template <typename Char, typename FindData>
bool Enumerate(HANDLE(__stdcall* findFirst)(Char*, FindData*), BOOL(__stdcall* findNext)(HANDLE, FindData*),
               int(__stdcall* findClose)(HANDLE), std::basic_string<Char> path, std::vector<FolderEntry>& entries,
               DWORD& error) {
    FindData data{};
    SetLastError(0);
    const HANDLE find = findFirst(path.data(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return error == ERROR_NO_MORE_FILES;
    }
    do {
        entries.push_back(EntryOf(data));
        data = FindData{};
    } while (entries.size() < kMaxEntries && findNext(find, &data));
    findClose(find);
    return true;
}

}  // namespace

bool ListFolderEntries(const PluginCalls& calls, const HostOptions& options, const std::string& folder,
                       std::vector<FolderEntry>& entries, DWORD& error) {
    entries.clear();
    error = 0;
    const OperationBracket listing(calls, morvane::kFsStatusOpList);
    if (CallsWide(calls.FsFindFirstW, options) && calls.FsFindNextW)
        return Enumerate(calls.FsFindFirstW, calls.FsFindNextW, calls.FsFindClose, Utf8ToWide(folder), entries, error);
    return Enumerate(calls.FsFindFirst, calls.FsFindNext, calls.FsFindClose, Utf8ToAnsi(folder), entries, error);
}

}  // namespace mvhost
