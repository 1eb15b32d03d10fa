// The 32-bit and the 64-bit file manager share the user's registry, and so
// the catalogue: what the 64-bit plug-in stored, the 32-bit one lists as it
// stands.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "support/ChildProcess.h"
#include "support/CleanRegistry.h"
#include "support/FileBytes.h"
#include "support/FolderListing.h"
#include "support/Plugin.h"
#include "support/ScratchFolder.h"
#include "support/StoredRecords.h"

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
