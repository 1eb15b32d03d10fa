// The catalogue's refresh and save on tables of the test's own (the test
// program links the plug-in's core), where the catalogue, the drive table and
// the stored mounted marks can be seen directly.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "catalogue/RebuildCatalogue.h"
#include "catalogue/SaveFileInfo.h"
#include "catalogue/StoreKey.h"
#include "harness/StoredRecords.h"
#include "operations/RefreshCatalogue.h"
#include "support/CleanRegistry.h"
#include "support/ProgramApp.h"

using namespace morvane;
using namespace morvane::test;

namespace {

class CatalogueStore : public CleanRegistryTest {
protected:
    bool SaveNewRecord(const CFileInfo& record) {
        return SaveNewFileInfo(tables_, ImageOf(record, DisplayNameOf(record)));
    }
    std::string DriveNameOf(char letter) const { return win32::AnsiText(drives_.Name(letter)); }

    Catalogue catalogue_;
    DriveTable drives_;
    std::vector<StoredImage> reading_;
    ImageTables tables_{catalogue_, drives_, reading_};
};

}  // namespace

TEST_F(CatalogueStore, FirstSaveCreatesTheKeyPathAndAFullRecord) {
    ASSERT_FALSE(StoreKeyExists());
    CFileInfo record = MakeRecord({"Disk.iso", "C:\\images\\Disk.iso", 'Z', 3, false, false});
    record.gap581[0] = 0x77;  // gap bytes are stored as they are
    ASSERT_TRUE(SaveNewRecord(record));

    const auto values = StoredValues();
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].name, "Disk.iso") << "the value keeps the case of the name";
    EXPECT_EQ(values[0].type, static_cast<DWORD>(REG_BINARY));
    ASSERT_EQ(values[0].data.size(), sizeof(CFileInfo));
    EXPECT_EQ(std::memcmp(values[0].data.data(), &record, sizeof record), 0);

    StoredImage found;
    ASSERT_TRUE(FindImage(catalogue_, L"\\DISK.ISO", found));
    EXPECT_EQ(found.valueName, L"Disk.iso");
    EXPECT_EQ(std::memcmp(&found.record, &record, sizeof record), 0);
    ASSERT_TRUE(RefreshCatalogue(tables_));
    EXPECT_NE(catalogue_.Find("disk.iso"), nullptr);
    EXPECT_EQ(catalogue_.Count(), 1u);
}

TEST_F(CatalogueStore, MountedSaveEntersTheDriveTableAnUnmountedOneLeavesIt) {
    CFileInfo record = MakeRecord({"disk.iso", "C:\\disk.iso", 'Q', 3, true, false});
    ASSERT_TRUE(SaveNewRecord(record));
    EXPECT_EQ(DriveNameOf('Q'), "disk.iso");
    record.mounted = 0;
    ASSERT_TRUE(SaveNewRecord(record));
    EXPECT_EQ(DriveNameOf('Q'), "disk.iso");

    // A letter outside A to Z indexes nothing.
    for (char letter : {'\0', 'q', '[', '\xFF'}) {
        record.driveLetter = letter;
        record.mounted = 1;
        EXPECT_TRUE(SaveNewRecord(record));
    }
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (letter != 'Q') {
            EXPECT_EQ(DriveNameOf(letter), "") << letter;
        }
    }
}

TEST_F(CatalogueStore, RefreshKeepsAnUnconfirmedMountedMark) {
    ASSERT_EQ(StoreRecord({"disk.iso", "C:\\disk.iso", 'Q', 3, true, true}), ERROR_SUCCESS);
    ASSERT_EQ(StoreRecord({"boot.img", "C:\\boot.img", 'Z', 4, true, false}), ERROR_SUCCESS);
    drives_.Set('Q', L"stale");
    ASSERT_TRUE(RefreshCatalogue(tables_));

    for (char letter = 'A'; letter <= 'Z'; ++letter) EXPECT_EQ(DriveNameOf(letter), "") << letter;
    const StoredImage* disk = catalogue_.Find("disk.iso");
    ASSERT_NE(disk, nullptr);
    EXPECT_EQ(disk->record.mounted, 1);
    EXPECT_EQ(disk->record.restoreAtLogon, 1);
    const auto stored = ReadRecord("disk.iso");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->mounted, 1);
}

TEST_F(CatalogueStore, RefreshWithoutTheKeyLeavesEverythingAsItWas) {
    ASSERT_TRUE(SaveNewRecord(MakeRecord({"disk.iso", "C:\\disk.iso", 'Q', 3, true, false})));
    RemovePluginRegistryState();
    EXPECT_FALSE(RefreshCatalogue(tables_));
    EXPECT_EQ(catalogue_.Count(), 1u);
    EXPECT_EQ(DriveNameOf('Q'), "disk.iso");
    EXPECT_FALSE(StoreKeyExists()) << "the refresh never writes";
}

TEST_F(CatalogueStore, RefreshReadsADamagedRecordWithinItsFields) {
    CFileInfo record = MakeRecord({"x", "x", 'Q', 3, true, false});
    std::memset(record.findData.cFileName, 'n', sizeof record.findData.cFileName);
    std::memset(record.imagePath, 'p', sizeof record.imagePath);
    ASSERT_EQ(StoreRecord("damaged.iso", record), ERROR_SUCCESS);
    ASSERT_TRUE(RefreshCatalogue(tables_));
    const StoredImage* found = catalogue_.Find("damaged.iso");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(DisplayNameOf(found->record), std::string(260, 'n'));
    EXPECT_EQ(ImagePathOf(found->record), std::string(260, 'p'));
}
