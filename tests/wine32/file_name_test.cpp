// The 32-bit plug-in's version resource names its own file, in each of its
// languages: what Windows shows as its original file name.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "harness/Plugin.h"
#include "win32/UniqueHandle.h"

using namespace morvane;
using namespace morvane::test;

TEST(Plugin32, VersionResourceNamesTheFileMorvaneWfx) {
    const win32::Module file(LoadLibraryExA(TestPluginPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(file) << "error " << GetLastError();
    const struct {
        WORD language;
        const wchar_t* query;
    } blocks[] = {
        {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), L"\\StringFileInfo\\040904b0\\OriginalFilename"},
        {MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), L"\\StringFileInfo\\041904e3\\OriginalFilename"},
    };
    for (const auto& block : blocks) {
        SCOPED_TRACE(block.language);
        const HRSRC found = FindResourceExA(file.Get(), MAKEINTRESOURCEA(16), MAKEINTRESOURCEA(1), block.language);
        ASSERT_NE(found, nullptr);
        const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(file.Get(), found)));
        ASSERT_NE(data, nullptr);
        std::vector<BYTE> info(data, data + SizeofResource(file.Get(), found));
        wchar_t* text = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueW(info.data(), block.query, reinterpret_cast<void**>(&text), &length));
        EXPECT_EQ(std::wstring(text, length > 0 ? length - 1 : 0), L"Morvane.wfx");
    }
}
