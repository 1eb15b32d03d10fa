// The 32-bit plug-in as the 32-bit file manager and rundll32 find its calls:
// under their plain names, never the compiler's decorated ones.
#include <gtest/gtest.h>

#include <string>

#include "harness/Plugin.h"

using namespace morvane::test;

TEST(Plugin32, EveryExportHasItsPlainNameOnly) {
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded()) << "error " << GetLastError();
    const struct {
        const char* plain;
        const char* decorated;
    } exports[] = {
        {"FsInit", "FsInit@16"},
        {"FsInitW", "FsInitW@16"},
        {"FsFindFirst", "FsFindFirst@8"},
        {"FsFindFirstW", "FsFindFirstW@8"},
        {"FsFindNext", "FsFindNext@8"},
        {"FsFindNextW", "FsFindNextW@8"},
        {"FsFindClose", "FsFindClose@4"},
        {"FsGetDefRootName", "FsGetDefRootName@8"},
        {"FsSetDefaultParams", "FsSetDefaultParams@4"},
        {"FsStatusInfo", "FsStatusInfo@12"},
        {"FsPutFile", "FsPutFile@12"},
        {"FsPutFileW", "FsPutFileW@12"},
        {"FsDeleteFile", "FsDeleteFile@4"},
        {"FsDeleteFileW", "FsDeleteFileW@4"},
        {"FsExecuteFile", "FsExecuteFile@12"},
        {"FsExecuteFileW", "FsExecuteFileW@12"},
        {"FsExtractCustomIcon", "FsExtractCustomIcon@12"},
        {"FsExtractCustomIconW", "FsExtractCustomIconW@12"},
        {"FsRenMovFile", "FsRenMovFile@20"},
        {"FsRenMovFileW", "FsRenMovFileW@20"},
        {"MountAfterReboot", "MountAfterReboot@16"},
    };
    for (const auto& e : exports) {
        EXPECT_NE(GetProcAddress(plugin.Handle(), e.plain), nullptr) << e.plain;
        EXPECT_EQ(GetProcAddress(plugin.Handle(), e.decorated), nullptr) << e.decorated;
        EXPECT_EQ(GetProcAddress(plugin.Handle(), (std::string("_") + e.decorated).c_str()), nullptr) << e.decorated;
    }
}
