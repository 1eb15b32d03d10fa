#include "support/FolderListing.h"

#include <cstring>

namespace morvane::test {

namespace {
// Far more than any test stores: a listing that does not end is a failure.
constexpr size_t kMaxEntries = 1000;
}  // namespace

FolderListing ListFolder(const PluginExports& fs, const std::string& path) {
    FolderListing listing;
    std::string folder = path;
    WIN32_FIND_DATAA data;
    std::memset(&data, 0xAB, sizeof data);
    SetLastError(0xdeadbeef);
    listing.first = fs.FsFindFirst(folder.data(), &data);
    if (listing.first == INVALID_HANDLE_VALUE) {
        listing.firstError = GetLastError();
        return listing;
    }
    do {
        listing.entries.push_back(data);
        std::memset(&data, 0xAB, sizeof data);
    } while (listing.entries.size() < kMaxEntries && fs.FsFindNext(listing.first, &data));
    fs.FsFindClose(listing.first);
    return listing;
}

std::string NameOf(const WIN32_FIND_DATAA& data) {
    size_t len = 0;
    while (len < sizeof data.cFileName && data.cFileName[len] != '\0') ++len;
    return std::string(data.cFileName, len);
}

std::vector<std::string> NamesOf(const FolderListing& listing) {
    std::vector<std::string> names;
    for (const WIN32_FIND_DATAA& data : listing.entries) names.push_back(NameOf(data));
    return names;
}

std::vector<std::wstring> ListWideNames(const PluginExports& fs) {
    std::vector<std::wstring> names;
    wchar_t root[] = L"\\";
    WIN32_FIND_DATAW data;
    const HANDLE find = fs.FsFindFirstW(root, &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        names.push_back(data.cFileName);
    } while (names.size() < kMaxEntries && fs.FsFindNextW(find, &data));
    fs.FsFindClose(find);
    return names;
}

}  // namespace morvane::test
