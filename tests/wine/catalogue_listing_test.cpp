// The folder as the file manager lists it, from records written straight
// into the registry: order, which values count as records, damaged records,
// and enumerations whose catalogue changes under them.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "catalogue/StoreKey.h"
#include "harness/Plugin.h"
#include "harness/StoredRecords.h"
#include "plugin/PanelColumns.h"
#include "support/CleanRegistry.h"
#include "support/FolderListing.h"
#include "win32/RegKey.h"

using namespace morvane;
using namespace morvane::test;

namespace {

class CatalogueListing : public CleanRegistryTest {
protected:
    void SetUp() override {
        CleanRegistryTest::SetUp();
        ASSERT_TRUE(plugin_.IsLoaded()) << "error " << GetLastError();
        ASSERT_NE(plugin_.Fs().FsFindFirst, nullptr);
    }

    const PluginExports& Fs() const { return plugin_.Fs(); }

    void Store(const std::string& name, char letter = 'Z', uint32_t mode = 3, bool mounted = false) {
        ASSERT_EQ(StoreRecord({name, "C:\\images\\" + name, letter, mode, mounted, false}), ERROR_SUCCESS);
    }

    LoadedPlugin plugin_;
};

const std::vector<std::string> kBucketOrder = {"boot.img", "dvd.nrg", "disk.iso"};

}  // namespace

TEST_F(CatalogueListing, ListsInBucketOrderWhateverTheRegistryOrder) {
    std::vector<std::string> order = {"disk.iso", "boot.img", "dvd.nrg"};
    std::sort(order.begin(), order.end());
    do {
        RemovePluginRegistryState();
        for (const std::string& name : order) Store(name);
        std::string written;
        for (const std::string& name : order) written += name + " ";
        SCOPED_TRACE("written as " + written);
        EXPECT_EQ(NamesOf(ListFolder(Fs())), kBucketOrder);
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(CatalogueListing, HandsOverTheStoredFindDataUnchanged) {
    CFileInfo record = MakeRecord({"disk.iso", "C:\\images\\disk.iso", 'Z', 3, false, false});
    // Every byte of the find data says something, gap included.
    record.findData.dwFileAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE;
    record.findData.ftCreationTime[0] = 0x11111111;
    record.findData.ftCreationTime[1] = 0x01D00000;
    record.findData.ftLastAccessTime[0] = 0x22222222;
    record.findData.ftLastAccessTime[1] = 0x01D10000;
    record.findData.ftLastWriteTime[0] = 0x33333333;
    record.findData.ftLastWriteTime[1] = 0x01D20000;
    record.findData.nFileSizeHigh = 1;
    record.findData.nFileSizeLow = 0x12345678;
    record.findData.dwReserved0 = 0xAAAA5555;
    record.findData.dwReserved1 = 0x5555AAAA;
    std::memcpy(record.findData.cAlternateFileName, "DISK~1.ISO", 11);
    ASSERT_EQ(StoreRecord("disk.iso", record), ERROR_SUCCESS);

    const FolderListing listing = ListFolder(Fs());
    EXPECT_NE(listing.first, INVALID_HANDLE_VALUE);
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(std::memcmp(&listing.entries[0], &record.findData, sizeof(WIN32_FIND_DATAA)), 0);
}

TEST_F(CatalogueListing, TakesOnlyBinaryValuesThatFitARecord) {
    const CFileInfo full = MakeRecord({"full.iso", "C:\\full.iso", 'Z', 3, false, false});
    std::vector<uint8_t> tooLong(600, 0);
    std::memcpy(tooLong.data(), &full, sizeof full);
    const char text[] = "C:\\text.iso";
    ASSERT_EQ(StoreValue("text.iso", REG_SZ, text, sizeof text), ERROR_SUCCESS);
    ASSERT_EQ(StoreValue("long.iso", REG_BINARY, tooLong.data(), 600), ERROR_SUCCESS);
    ASSERT_EQ(StoreValue("dword.iso", REG_DWORD, "\1\0\0\0", 4), ERROR_SUCCESS);
    ASSERT_EQ(StoreRecord("full.iso", full), ERROR_SUCCESS);
    EXPECT_EQ(NamesOf(ListFolder(Fs())), std::vector<std::string>{"full.iso"});
    // Skipped values stay in the store untouched.
    EXPECT_EQ(StoredValues().size(), 4u);
}

TEST_F(CatalogueListing, ShortBinaryValueIsARecordFilledWithZeroBytes) {
    // A full record with every find-data byte set comes first, so that a
    // short one read after it would show any byte carried over.
    CFileInfo busy = MakeRecord({"busy.iso", "C:\\busy.iso", 'Z', 3, false, false});
    std::memset(&busy.findData, 0x5A, offsetof(FindData, cFileName));
    std::memset(busy.findData.cAlternateFileName, 0x5A, sizeof busy.findData.cAlternateFileName - 1);
    ASSERT_EQ(StoreRecord("busy.iso", busy), ERROR_SUCCESS);

    CFileInfo shortRecord = MakeRecord({"short.iso", "", 'Z', 3, false, false});
    const DWORD shortSize = offsetof(FindData, cFileName) + 10;  // the name "short.iso" and its terminator
    ASSERT_EQ(StoreValue("short.iso", REG_BINARY, &shortRecord, shortSize), ERROR_SUCCESS);

    const FolderListing listing = ListFolder(Fs());
    ASSERT_EQ(listing.entries.size(), 2u);
    const auto it = std::find_if(listing.entries.begin(), listing.entries.end(),
                                 [](const WIN32_FIND_DATAA& d) { return NameOf(d) == "short.iso"; });
    ASSERT_NE(it, listing.entries.end());
    const auto* bytes = reinterpret_cast<const uint8_t*>(&*it);
    EXPECT_EQ(std::memcmp(bytes, &shortRecord, shortSize), 0);
    for (size_t i = shortSize; i < sizeof(WIN32_FIND_DATAA); ++i) ASSERT_EQ(bytes[i], 0) << "byte " << i;
}

TEST_F(CatalogueListing, NamesDifferingOnlyInCaseAreOneEntry) {
    ASSERT_NE(Fs().FsPutFile, nullptr);
    struct Case {
        const char* stored;
        const char* copied;
    };
    const Case cases[] = {
        {"Disk.ISO", "\\disk.iso"},
        {"disk.iso", "\\DISK.ISO"},
        // Letters of the code page (1251) fold too, not only A to Z.
        {"\xC4\xC8\xD1\xCA.iso", "\\\xE4\xE8\xF1\xEA.ISO"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        RemovePluginRegistryState();
        Store(c.stored);
        std::string local = "C:\\images\\new.iso";
        std::string remote = c.copied;
        EXPECT_EQ(Fs().FsPutFile(local.data(), remote.data(), 0), 1) << "file exists";
        EXPECT_EQ(NamesOf(ListFolder(Fs())), std::vector<std::string>{c.stored});
        const auto record = ReadRecord(c.stored);
        ASSERT_TRUE(record);
        EXPECT_EQ(ImagePathOf(*record), std::string("C:\\images\\") + c.stored);
    }
}

TEST_F(CatalogueListing, SubfolderOrEmptyPathReadsNothing) {
    Store("disk.iso");
    Store("boot.img");
    char root[] = "\\";
    WIN32_FIND_DATAA data;
    const HANDLE find = Fs().FsFindFirst(root, &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    ASSERT_EQ(NameOf(data), "boot.img");

    // A record added now would end the open enumeration if anything
    // refreshed the catalogue.
    Store("dvd.nrg");
    for (const char* path : {"\\sub", "\\boot.img", "", "\\\\", "/"}) {
        SCOPED_TRACE(path);
        const FolderListing sub = ListFolder(Fs(), path);
        EXPECT_EQ(sub.first, INVALID_HANDLE_VALUE);
        EXPECT_EQ(sub.firstError, static_cast<DWORD>(ERROR_NO_MORE_FILES));
    }
    std::memset(&data, 0xAB, sizeof data);
    ASSERT_TRUE(Fs().FsFindNext(find, &data));
    EXPECT_EQ(NameOf(data), "disk.iso");
    EXPECT_FALSE(Fs().FsFindNext(find, &data));
    Fs().FsFindClose(find);
}

TEST_F(CatalogueListing, UnconfirmedMountedMarkIsKeptAsStored) {
    Store("disk.iso", 'Q', 3, true);  // no drive Q: exists
    Store("boot.img", 'Z', 4, true);  // Z: exists, but is not the driver's
    Store("dvd.nrg", 'C', 3, true);
    const std::vector<StoredValue> before = StoredValues();
    EXPECT_EQ(NamesOf(ListFolder(Fs())), kBucketOrder);
    const std::vector<StoredValue> after = StoredValues();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i].name, before[i].name);
        EXPECT_EQ(after[i].data, before[i].data) << before[i].name;
    }
}

TEST_F(CatalogueListing, MountedRecordWithALetterOutsideAToZ) {
    const char letters[] = {'\0', 'a', 'z', '[', '@', '\x7F', '\xC0', '\xFF', '0'};
    for (char letter : letters) Store("disk" + std::to_string(static_cast<uint8_t>(letter)) + ".iso", letter, 3, true);
    const std::vector<StoredValue> before = StoredValues();
    EXPECT_EQ(ListFolder(Fs()).entries.size(), sizeof letters);
    const std::vector<StoredValue> after = StoredValues();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i].data, before[i].data) << before[i].name;
}

TEST_F(CatalogueListing, RecordWithoutTerminatorsIsNeverReadPast) {
    CFileInfo record = MakeRecord({"x", "x", 'Z', 3, true, true});
    std::memset(record.findData.cFileName, 'n', sizeof record.findData.cFileName);
    std::memset(record.findData.cAlternateFileName, 'a', sizeof record.findData.cAlternateFileName);
    std::memset(record.imagePath, 'p', sizeof record.imagePath);
    record.driveLetter = 'Q';
    ASSERT_EQ(StoreRecord("damaged.iso", record), ERROR_SUCCESS);
    Store("disk.iso");

    const FolderListing listing = ListFolder(Fs());
    ASSERT_EQ(listing.entries.size(), 2u);
    for (const WIN32_FIND_DATAA& data : listing.entries) {
        // What the host gets is terminated inside each field.
        EXPECT_NE(std::memchr(data.cFileName, '\0', sizeof data.cFileName), nullptr);
        EXPECT_NE(std::memchr(data.cAlternateFileName, '\0', sizeof data.cAlternateFileName), nullptr);
    }
    // Its name field names nothing the host could address: it is listed
    // under the name of its value.
    EXPECT_EQ(NamesOf(listing), (std::vector<std::string>{"disk.iso", "damaged.iso"}));
}

// A listing hands out the entries it began with, from its own snapshot:
// another listing at once, calls that read the store again in between, and
// the columns asked for from another thread meanwhile, disturb nothing.
TEST_F(CatalogueListing, ListingsAtOnceAndCallsInBetweenDoNotDisturbOneAnother) {
    struct Case {
        const char* what;
        void (*interrupt)(const PluginExports&);
    };
    const Case cases[] = {
        {"FsInit", [](const PluginExports& fs) { fs.FsInit(2, nullptr, nullptr, nullptr); }},
        {"FsPutFile of a catalogued name",
         [](const PluginExports& fs) {
             std::string local = "C:\\nowhere.iso", remote = "\\disk.iso";
             EXPECT_EQ(fs.FsPutFile(local.data(), remote.data(), 0), 1);
         }},
        {"FsDeleteFile of the entry listed next",
         [](const PluginExports& fs) {
             std::string remote = "\\dvd.nrg";
             EXPECT_TRUE(fs.FsDeleteFile(remote.data()));
         }},
        {"another listing, to its end", [](const PluginExports& fs) { EXPECT_EQ(ListFolder(fs).entries.size(), 3u); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RemovePluginRegistryState();
        Store("disk.iso");
        Store("boot.img");
        Store("dvd.nrg");
        char root[] = "\\";
        WIN32_FIND_DATAA data;
        const HANDLE find = Fs().FsFindFirst(root, &data);
        ASSERT_NE(find, INVALID_HANDLE_VALUE);
        const HANDLE other = Fs().FsFindFirst(root, &data);
        ASSERT_NE(other, find);
        c.interrupt(Fs());
        std::vector<std::string> names{"boot.img"};
        while (Fs().FsFindNext(find, &data)) names.push_back(NameOf(data));
        Fs().FsFindClose(find);
        EXPECT_EQ(names, (std::vector<std::string>{"boot.img", "dvd.nrg", "disk.iso"}));
        EXPECT_TRUE(Fs().FsFindNext(other, &data));
        EXPECT_EQ(NameOf(data), "dvd.nrg");
        Fs().FsFindClose(other);
        EXPECT_FALSE(Fs().FsFindNext(find, &data)) << "a closed listing lists nothing";
    }

    // Listings one after another while another thread reads the columns.
    std::atomic<bool> done{false};
    std::atomic<int> wrong{0};
    std::thread reader([&] {
        while (!done) {
            wchar_t remote[] = L"\\boot.img";
            char mode[32] = {};
            if (Fs().FsContentGetValueW(remote, 1, 0, mode, sizeof mode, 0) != kFieldMultipleChoice ||
                std::string(mode) != "CD/DVD")
                ++wrong;
        }
    });
    for (int i = 0; i < 200; ++i) EXPECT_EQ(ListFolder(Fs()).entries.size(), 3u);
    done = true;
    reader.join();
    EXPECT_EQ(wrong, 0);
}
TEST_F(CatalogueListing, NamesTheHostCannotAddressAreNotListed) {
    // The host addresses an entry by the part after the last backslash; none
    // of these values but the last two could be reached by its name.
    const CFileInfo record = MakeRecord({"good1.iso", "C:\\good1.iso", 'Z', 3, false, false});
    ASSERT_EQ(StoreRecord("good1.iso", record), ERROR_SUCCESS);
    ASSERT_EQ(StoreRecord("dir\\good1.iso", record), ERROR_SUCCESS);
    ASSERT_EQ(StoreRecord("", record), ERROR_SUCCESS);
    ASSERT_EQ(StoreRecord(std::string(300, 'n'), record), ERROR_SUCCESS);
    // The longest name that fits the record's name field still is addressable.
    ASSERT_EQ(StoreRecord(std::string(259, 'n'), record), ERROR_SUCCESS);
    win32::RegKey key;
    ASSERT_EQ(key.Open(HKEY_CURRENT_USER, kFilesListKey, KEY_WRITE), ERROR_SUCCESS);
    // Greek capital omega, no letter of code page 1251: listed, with '?' in
    // the narrow listing, whose spelling reaches no entry.
    ASSERT_EQ(RegSetValueExW(key.Get(), L"\x03A9mega.iso", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&record),
                             sizeof record),
              ERROR_SUCCESS);

    EXPECT_EQ(NamesOf(ListFolder(Fs())), (std::vector<std::string>{std::string(259, 'n'), "good1.iso", "?mega.iso"}));
    std::string other = "\\?mega.iso";
    EXPECT_FALSE(Fs().FsDeleteFile(other.data()));
    EXPECT_EQ(StoredValues().size(), 6u);
}
