// Registering images by copying them into the folder: the defaults chosen by
// extension and size, the record's contents, and the image file left alone.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "harness/ChildProcess.h"
#include "harness/Plugin.h"
#include "harness/ScratchFolder.h"
#include "harness/ScratchImage.h"
#include "harness/StoredRecords.h"
#include "plugin/FsPluginApi.h"
#include "support/CleanRegistry.h"
#include "support/FolderListing.h"
#include "win32/UniqueHandle.h"

using namespace morvane;
using namespace morvane::test;

namespace {

// Grows (sparsely, where the file system allows) the file to `size` bytes.
bool ResizeFile(const std::string& path, uint64_t size) {
    win32::FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return false;
    DWORD bytes = 0;
    DeviceIoControl(file.Get(), FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &bytes, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(size);
    return SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN) && SetEndOfFile(file.Get());
}

bool FindEntry(const std::string& path, WIN32_FIND_DATAA& data) {
    std::memset(&data, 0, sizeof data);
    win32::FindHandle find(FindFirstFileA(path.c_str(), &data));
    return find.IsValid();
}

class AddImage : public CleanRegistryTest {
protected:
    void SetUp() override {
        CleanRegistryTest::SetUp();
        ASSERT_TRUE(plugin_.IsLoaded()) << "error " << GetLastError();
        plugin_.Fs().FsInit(1, nullptr, nullptr, nullptr);
    }

    int Put(const std::string& localPath, const std::string& remoteName, int flags = 0) {
        std::string local = localPath, remote = remoteName;
        return plugin_.Fs().FsPutFile(local.data(), remote.data(), flags);
    }

    LoadedPlugin plugin_;
};

}  // namespace

TEST_F(AddImage, DefaultsByExtensionThenFloppySize) {
    struct Case {
        const char* name;
        uint64_t size;
        char letter;
        uint32_t mode;
    };
    const Case cases[] = {
        {"movie.ISO", 5000, 'Z', 3},
        {"boot.img", 1474560, 'B', 4},
        {"boot.img", 1474561, 'Z', 0},
        {"backup.iso", 1474560, 'Z', 3},
        {"raw", 737280, 'B', 4},
        {"a.b.nrg", 2949120, 'Z', 3},
        {"image.", 163840, 'B', 4},
        {"disk.vhd", 4096, 'Z', 0},
        // 4 GiB plus a floppy size: the low half alone would match.
        {"huge.img", (uint64_t{1} << 32) + 1474560, 'Z', 0},
    };
    // Each case under a name of its own: the catalogue in memory outlives
    // the registry keys removed between cases.
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " of " + std::to_string(c.size));
        const std::string name = std::to_string(++number) + "-" + c.name;
        // The file's own name does not count, only the name it is copied under.
        ScratchImage image(std::to_string(number) + "-file", 0);
        ASSERT_TRUE(image.IsReady());
        ASSERT_TRUE(ResizeFile(image.Path(), c.size));

        ASSERT_EQ(Put(image.Path(), "\\" + name), 0);
        const auto record = ReadRecord(name);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->driveLetter, c.letter);
        EXPECT_EQ(record->mountMode, c.mode);
        EXPECT_EQ(record->deviceNumber, 0u);
        EXPECT_EQ(record->mounted, 0);
        EXPECT_EQ(record->restoreAtLogon, 0);
        EXPECT_EQ((uint64_t{record->findData.nFileSizeHigh} << 32) | record->findData.nFileSizeLow, c.size);
    }
}

TEST_F(AddImage, RecordHoldsTheFileSearchResultTheNameAndThePath) {
    ScratchImage image("Source File.iso", 4096);
    ASSERT_TRUE(image.IsReady());
    // The display name is the copy's target name, with its case.
    ASSERT_EQ(Put(image.Path(), "\\Movie Night.ISO"), 0);
    WIN32_FIND_DATAA search;
    ASSERT_TRUE(FindEntry(image.Path(), search));

    const auto found = ReadRecord("Movie Night.ISO");
    ASSERT_TRUE(found);
    const CFileInfo& record = *found;
    EXPECT_EQ(StoredValues().at(0).name, "Movie Night.ISO");
    const FindData& stored = record.findData;
    EXPECT_EQ(stored.dwFileAttributes, search.dwFileAttributes);
    EXPECT_EQ(std::memcmp(stored.ftCreationTime, &search.ftCreationTime, 8), 0);
    EXPECT_EQ(std::memcmp(stored.ftLastAccessTime, &search.ftLastAccessTime, 8), 0);
    EXPECT_EQ(std::memcmp(stored.ftLastWriteTime, &search.ftLastWriteTime, 8), 0);
    EXPECT_EQ(stored.nFileSizeHigh, search.nFileSizeHigh);
    EXPECT_EQ(stored.nFileSizeLow, search.nFileSizeLow);
    EXPECT_EQ(stored.dwReserved0, search.dwReserved0);
    EXPECT_EQ(stored.dwReserved1, search.dwReserved1);
    EXPECT_EQ(FieldText(stored.cAlternateFileName), FieldText(search.cAlternateFileName));
    EXPECT_EQ(DisplayNameOf(record), "Movie Night.ISO");
    EXPECT_EQ(ImagePathOf(record), image.Path());
    // Bytes past the texts and the gaps are zero: a stable stored value.
    const std::string name = DisplayNameOf(record);
    for (size_t i = name.size(); i < sizeof stored.cFileName; ++i) ASSERT_EQ(stored.cFileName[i], 0) << i;
    const auto* bytes = reinterpret_cast<const uint8_t*>(&record);
    for (size_t gap : {318u, 319u, 581u, 582u, 583u, 594u, 595u}) EXPECT_EQ(bytes[gap], 0) << "gap byte " << gap;

    // The listing hands over exactly the stored find data.
    const FolderListing listing = ListFolder(plugin_.Fs());
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(std::memcmp(&listing.entries[0], &record.findData, sizeof(WIN32_FIND_DATAA)), 0);
}

TEST_F(AddImage, TheImageFileIsNeverTouchedEvenByAMove) {
    for (int flags : {0, 4, 5}) {
        SCOPED_TRACE(flags);
        const std::string name = "keep" + std::to_string(flags) + ".img";
        ScratchImage image(name, 1474560);
        ASSERT_TRUE(image.IsReady());
        WIN32_FILE_ATTRIBUTE_DATA before, after;
        ASSERT_TRUE(GetFileAttributesExA(image.Path().c_str(), GetFileExInfoStandard, &before));
        ASSERT_EQ(Put(image.Path(), "\\" + name, flags), 0);
        ASSERT_TRUE(image.Exists());
        ASSERT_TRUE(GetFileAttributesExA(image.Path().c_str(), GetFileExInfoStandard, &after));
        EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
    }
}

TEST_F(AddImage, FirstCopyCreatesTheStoreKey) {
    ASSERT_FALSE(StoreKeyExists());
    ScratchImage image("disk.iso");
    ASSERT_TRUE(image.IsReady());
    ASSERT_EQ(Put(image.Path(), "\\disk.iso"), 0);
    EXPECT_TRUE(StoreKeyExists());
    EXPECT_EQ(NamesOf(ListFolder(plugin_.Fs())), std::vector<std::string>{"disk.iso"});
}

TEST_F(AddImage, CatalogueNameAnswersFileExistsWithoutTheOverwriteBit) {
    ScratchImage image("disk.iso");
    ASSERT_TRUE(image.IsReady());
    ASSERT_EQ(StoreRecord({"disk.iso", "C:\\old\\disk.iso", 'Q', 0, false, true}), ERROR_SUCCESS);
    // Bits other than overwrite (resume 2, move 4) do not count.
    for (int flags : {0, 2, 4, 6}) EXPECT_EQ(Put(image.Path(), "\\DISK.iso", flags), 1) << flags;
    const auto record = ReadRecord("disk.iso");
    ASSERT_TRUE(record);
    EXPECT_EQ(ImagePathOf(*record), "C:\\old\\disk.iso");
}

// What is no image file is not found; a name that cannot be an entry's is
// not written.
TEST_F(AddImage, WhatIsNoImageFileOrNamesThatDoNotFitAreRefused) {
    ScratchImage image("disk.iso");
    ASSERT_TRUE(image.IsReady());
    struct Case {
        const char* what;
        std::string local;
        std::string remote;
        int result;
    };
    const std::vector<Case> cases = {
        {"missing local file", image.Path() + ".gone", "\\gone.iso", kFsFileNotFound},
        // Found by the file search, but not the regular file the path names.
        {"folder", image.Path().substr(0, image.Path().rfind('\\')), "\\folder.iso", kFsFileNotFound},
        {"device", "NUL", "\\nul.iso", kFsFileNotFound},
        {"device in a folder", image.Path().substr(0, image.Path().rfind('\\') + 1) + "CON", "\\con.iso",
         kFsFileNotFound},
        {"wildcard", image.Path().substr(0, image.Path().size() - 4) + "*", "\\any.iso", kFsFileNotFound},
        {"single-character wildcard", image.Path().substr(0, image.Path().size() - 1) + "?", "\\any.iso",
         kFsFileNotFound},
        {"trailing full stop", image.Path() + ".", "\\dot.iso", kFsFileNotFound},
        {"trailing blank", image.Path() + " ", "\\blank.iso", kFsFileNotFound},
        {"name of 260 characters", image.Path(), "\\" + std::string(256, 'n') + ".iso", kFsFileWriteError},
        {"name far too long", image.Path(), "\\" + std::string(1000, 'n'), kFsFileWriteError},
        {"no name at all", image.Path(), "\\", kFsFileWriteError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Put(c.local, c.remote), c.result);
        EXPECT_FALSE(StoreKeyExists()) << "nothing stored";
    }
    // 259 characters still fit with their terminator.
    const std::string longest(255, 'n');
    ASSERT_EQ(Put(image.Path(), "\\" + longest + ".iso"), 0);
    EXPECT_EQ(NamesOf(ListFolder(plugin_.Fs())), std::vector<std::string>{longest + ".iso"});
}

// A selection copied into the folder is one operation of the file manager's:
// the store is read once, at its first call. What another process (here the
// plug-in in another host) changes meanwhile is seen by the next operation.
TEST_F(AddImage, TheNextOperationSeesWhatAnotherProcessChanged) {
    ScratchImage image("a.iso");
    ASSERT_TRUE(image.IsReady());
    {
        const mvhost::OperationBracket copy(plugin_.Fs(), kFsStatusOpPutMulti);
        EXPECT_EQ(Put(image.Path(), "\\a.iso"), kFsFileOk);
        EXPECT_EQ(Put(image.Path(), "\\A.ISO"), kFsFileExists);
    }
    ChildProcess other("\"" + TestProgramDirectory() + "mvhost.exe\" delete a.iso");
    ASSERT_TRUE(other.Started());
    const ChildRun run = other.Wait();
    ASSERT_TRUE(run.finished);
    ASSERT_EQ(run.exitCode, 0u);
    {
        const mvhost::OperationBracket copy(plugin_.Fs(), kFsStatusOpPutMulti);
        EXPECT_EQ(Put(image.Path(), "\\a.iso"), kFsFileOk);
    }
}
