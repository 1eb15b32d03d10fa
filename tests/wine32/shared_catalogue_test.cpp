// The 32-bit and the 64-bit file manager share the user's registry, and so
// the catalogue: what the 64-bit plug-in stored, the 32-bit one lists as it
// stands.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "harness/ChildProcess.h"
#include "harness/FileBytes.h"
#include "harness/Plugin.h"
#include "harness/ScratchFolder.h"
#include "harness/StoredRecords.h"
#include "support/CleanRegistry.h"
#include "support/FolderListing.h"
#include "win32/AnsiText.h"

using namespace morvane;
using namespace morvane::test;

namespace {

class SharedCatalogue : public CleanRegistryTest {};

}  // namespace

TEST_F(SharedCatalogue, ListsWhatThe64BitPluginStoredByteForByte) {
    const char* host64 = std::getenv("MORVANE_HOST64");
    ASSERT_NE(host64, nullptr) << "MORVANE_HOST64 names the 64-bit mvhost.exe";
    ScratchFolder folder;
    ASSERT_TRUE(folder.IsReady());
    const struct {
        const char* name;
        size_t size;
    } images[] = {{"movie.iso", 4096}, {"boot.img", 1474560}};
    for (const auto& image : images) {
        const std::string path = folder.Path() + image.name;
        ASSERT_TRUE(WriteFileBytes(path, std::string(image.size, '\0')));
        ChildProcess put("\"" + std::string(host64) + "\" put \"" + path + "\" " + image.name);
        const ChildRun run = put.Wait();
        ASSERT_TRUE(run.finished) << image.name;
        ASSERT_EQ(run.exitCode, 0u) << image.name;
    }

    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded()) << "error " << GetLastError();
    const FolderListing listing = ListFolder(plugin.Fs());
    ASSERT_EQ(listing.entries.size(), 2u);
    for (const auto& image : images) {
        SCOPED_TRACE(image.name);
        const auto stored = ReadRecord(image.name);
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->findData.nFileSizeLow, image.size);
        bool listed = false;
        for (const WIN32_FIND_DATAA& entry : listing.entries) {
            if (NameOf(entry) != image.name) continue;
            listed = true;
            EXPECT_EQ(std::memcmp(&entry, &stored->findData, sizeof entry), 0);
        }
        EXPECT_TRUE(listed);
    }
}

// An entry named beyond the code page, as the 64-bit plug-in's wide calls
// store it: the 32-bit one lists it by its name through its wide calls, and
// with '?' for what the code page cannot spell through its narrow ones, with
// the record's find data otherwise as stored.
TEST_F(SharedCatalogue, ListsANameBeyondTheCodePage) {
    const char* host64 = std::getenv("MORVANE_HOST64");
    ASSERT_NE(host64, nullptr) << "MORVANE_HOST64 names the 64-bit mvhost.exe";
    ScratchFolder folder;
    ASSERT_TRUE(folder.IsReady());
    const std::wstring name = L"Am\u00e9lie \u2603.iso";
    const std::wstring path = win32::WideText(folder.Path()) + name;
    CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    ChildProcess put(L"\"" + win32::WideText(host64) + L"\" put \"" + path + L"\" \"" + name + L"\"");
    const ChildRun run = put.Wait();
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0u);

    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded()) << "error " << GetLastError();
    EXPECT_EQ(ListWideNames(plugin.Fs()), std::vector<std::wstring>{name});
    const FolderListing listing = ListFolder(plugin.Fs());
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(NameOf(listing.entries[0]), "Am?lie ?.iso");
    const auto stored = ReadWideRecord(name);
    ASSERT_TRUE(stored);
    EXPECT_EQ(std::memcmp(&listing.entries[0], &stored->findData, offsetof(FindData, cFileName)), 0);
    EXPECT_EQ(std::memcmp(listing.entries[0].cAlternateFileName, stored->findData.cAlternateFileName,
                          sizeof stored->findData.cAlternateFileName),
              0);
}
