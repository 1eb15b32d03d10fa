// Unregistering images through the file manager's delete: the entry and its
// registry value go, the image file stays, a mounted image is asked about.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "harness/Plugin.h"
#include "harness/ScratchImage.h"
#include "harness/StoredRecords.h"
#include "support/CleanRegistry.h"
#include "support/MessageBoxWatcher.h"
#include "win32/UniqueHandle.h"

using namespace morvane;
using namespace morvane::test;

namespace {

struct WindowTraits {
    using Type = HWND;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { DestroyWindow(h); }
};

class RemoveImage : public CleanRegistryTest {
protected:
    void SetUp() override {
        CleanRegistryTest::SetUp();
        ASSERT_TRUE(plugin_.IsLoaded()) << "error " << GetLastError();
    }

    // The host refreshes at start-up and then deletes by its own name.
    BOOL Delete(const std::string& remoteName) {
        plugin_.Fs().FsInit(1, nullptr, nullptr, nullptr);
        std::string name = remoteName;
        return plugin_.Fs().FsDeleteFile(name.data());
    }

    static bool Stored(const std::string& valueName) { return ReadRecord(valueName).has_value(); }

    LoadedPlugin plugin_;
};

}  // namespace

TEST_F(RemoveImage, UnmountedEntryGoesWithoutQuestionAndKeepsTheFile) {
    ScratchImage image("disk.iso");
    ASSERT_TRUE(image.IsReady());
    ASSERT_EQ(StoreRecord({"disk.iso", image.Path(), 'Z', 3, false, true}), ERROR_SUCCESS);
    ASSERT_EQ(StoreRecord({"boot.img", "C:\\boot.img", 'B', 4, false, false}), ERROR_SUCCESS);

    MessageBoxWatcher watcher;
    EXPECT_TRUE(Delete("\\disk.iso"));
    EXPECT_TRUE(watcher.Seen().empty());
    EXPECT_FALSE(Stored("disk.iso"));
    EXPECT_TRUE(Stored("boot.img"));
    EXPECT_TRUE(image.Exists());
}

TEST_F(RemoveImage, NameIsMatchedWithoutRegardToCase) {
    struct Case {
        const char* stored;
        const char* deleted;
    };
    const Case cases[] = {
        {"Disk.iso", "\\disk.ISO"},
        {"disk.iso", "\\DISK.ISO"},
        // Cyrillic upper and lower case of code page 1251.
        {"\xCE\xC1\xD0\xC0\xC7.iso", "\\\xEE\xE1\xF0\xE0\xE7.ISO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deleted);
        RemovePluginRegistryState();
        ASSERT_EQ(StoreRecord({c.stored, "C:\\images\\x.iso", 'Z', 3, false, false}), ERROR_SUCCESS);
        EXPECT_TRUE(Delete(c.deleted));
        EXPECT_TRUE(StoredValues().empty());
    }
}

TEST_F(RemoveImage, NameNotCataloguedFailsAndChangesNothing) {
    ASSERT_EQ(StoreRecord({"disk.iso", "C:\\disk.iso", 'Z', 3, false, false}), ERROR_SUCCESS);
    const auto before = StoredValues();
    for (const char* name : {"\\other.iso", "\\", "\\disk.is", "\\disk.iso.bak"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(Delete(name));
    }
    const auto after = StoredValues();
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after[0].data, before[0].data);
}

TEST_F(RemoveImage, NothingCataloguedAtAllFails) { EXPECT_FALSE(Delete("\\disk.iso")); }

TEST_F(RemoveImage, RecordNamingAnotherImageDoesNotTakeThatImagesValue) {
    // a.iso's record carries b.iso in its name field (a damaged or foreign
    // value): deleting a.iso must remove a.iso, never b.iso.
    CFileInfo damaged = MakeRecord({"b.iso", "C:\\a.iso", 'Z', 3, false, false});
    ASSERT_EQ(StoreRecord("a.iso", damaged), ERROR_SUCCESS);
    ASSERT_EQ(StoreRecord({"b.iso", "C:\\b.iso", 'Y', 3, false, false}), ERROR_SUCCESS);

    EXPECT_TRUE(Delete("\\a.iso"));
    EXPECT_FALSE(Stored("a.iso"));
    EXPECT_TRUE(Stored("b.iso"));
}

TEST_F(RemoveImage, MountedEntryAsksWithFullPathAndLetterAndNoKeepsIt) {
    const CFileInfo record = MakeRecord({"Disk.iso", "C:\\images\\cd\\Disk.iso", 'Q', 3, true, true});
    ASSERT_EQ(StoreRecord("Disk.iso", record), ERROR_SUCCESS);

    MessageBoxWatcher watcher({IDNO});
    EXPECT_FALSE(Delete("\\disk.iso"));
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, "Morvane");
    // Text 1008 of the shipped English file, which the plug-in loads unless
    // told otherwise (a translation's line break is CR LF): the full path,
    // never the display name alone, and the letter.
    EXPECT_EQ(seen[0].text,
              "Image C:\\images\\cd\\Disk.iso is mounted as drive Q:. It must be unmounted before removal.\r\n"
              "Unmount now?");
    EXPECT_TRUE(seen[0].hasYes && seen[0].hasNo && !seen[0].hasOk && !seen[0].hasCancel);
    EXPECT_EQ(seen[0].defaultButton, IDYES);
    EXPECT_EQ(seen[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));

    const auto after = ReadRecord("Disk.iso");
    ASSERT_TRUE(after);
    EXPECT_EQ(std::memcmp(&*after, &record, sizeof record), 0);
}

TEST_F(RemoveImage, FailedUnmountKeepsTheEntryAndSaysWhy) {
    // Marked mounted on a letter that no driver serves, or on no letter at
    // all: the driver confirms no mount there, nothing is unmounted, and the
    // entry must stay.
    for (const char letter : {'Q', '\0'}) {
        const char shown = letter ? letter : '?';
        SCOPED_TRACE(shown);
        const CFileInfo record = MakeRecord({"disk.iso", "C:\\disk.iso", letter, 3, true, false});
        ASSERT_EQ(StoreRecord("disk.iso", record), ERROR_SUCCESS);

        MessageBoxWatcher watcher({IDYES, IDOK});
        EXPECT_FALSE(Delete("\\disk.iso"));
        const auto seen = watcher.Seen();
        ASSERT_EQ(seen.size(), 2u);
        EXPECT_NE(seen[0].text.find(std::string(" ") + shown + ":"), std::string::npos) << seen[0].text;
        EXPECT_EQ(seen[1].text, std::string("Drive ") + shown +
                                    ": does not serve the image C:\\disk.iso, so nothing was unmounted.\r\nIf the "
                                    "image is not actually mounted, correct its state with Switch in its properties.");
        const auto after = ReadRecord("disk.iso");
        ASSERT_TRUE(after);
        EXPECT_EQ(std::memcmp(&*after, &record, sizeof record), 0);
    }
}

TEST_F(RemoveImage, QuestionIsOwnedByTheActiveOrTheHostWindow) {
    // A box without an owner would leave the file manager usable behind it.
    ASSERT_EQ(StoreRecord({"disk.iso", "C:\\disk.iso", 'Q', 3, true, false}), ERROR_SUCCESS);
    const win32::UniqueHandle<WindowTraits> host(CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                                                 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(host);
    struct Case {
        const char* what;
        bool active;
        bool execute;
    };
    const Case cases[] = {{"delete, host window active", true, false}, {"open, host window handed over", false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetActiveWindow(c.active ? host.Get() : nullptr);
        MessageBoxWatcher watcher({IDNO});
        if (c.execute) {
            char name[] = "\\unknown.iso", verb[] = "open";
            plugin_.Fs().FsExecuteFile(host.Get(), name, verb);
        } else {
            EXPECT_FALSE(Delete("\\disk.iso"));
        }
        const auto seen = watcher.Seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].owner, host.Get());
        EXPECT_FALSE(seen[0].ownerEnabled);
        EXPECT_TRUE(IsWindowEnabled(host.Get()));
    }
}
