#include <gtest/gtest.h>

#include <cstring>

#include "support/CleanRegistry.h"
#include "support/Plugin.h"

using namespace morvane::test;

class Exports : public CleanRegistryTest {};

TEST_F(Exports, AreAllResolvable) {
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded()) << "error " << GetLastError();
    EXPECT_NE(plugin.Fs().FsInit, nullptr);
    EXPECT_NE(plugin.Fs().FsFindFirst, nullptr);
    EXPECT_NE(plugin.Fs().MountAfterReboot, nullptr);
}

TEST_F(Exports, EmptyCatalogueListsNothing) {
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    plugin.Fs().FsInit(1, nullptr, nullptr, nullptr);
    WIN32_FIND_DATAA fd;
    std::memset(&fd, 0xAB, sizeof fd);
    char root[] = "\\";
    SetLastError(0xdeadbeef);
    EXPECT_EQ(plugin.Fs().FsFindFirst(root, &fd), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NO_MORE_FILES));
}
