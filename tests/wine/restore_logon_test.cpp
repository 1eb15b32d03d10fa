// The log-on restore as the system starts it (rundll32 with the Run-key
// command line), for records that need no driver: what the store says
// afterwards, and that nobody is ever asked anything.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "catalogue/StoreKey.h"
#include "harness/ActivityLogFile.h"
#include "harness/FileBytes.h"
#include "harness/StoredRecords.h"
#include "logon/AutorunCommand.h"
#include "support/CleanRegistry.h"
#include "support/Rundll32.h"
#include "win32/RegKey.h"

using namespace morvane;
using namespace morvane::test;

namespace {

class LogonRestore : public CleanRegistryTest {
protected:
    FreshActivityLog log_;
};

bool RunValueExists() {
    win32::RegKey run;
    if (run.Open(HKEY_CURRENT_USER, kRunKey, KEY_READ) != ERROR_SUCCESS) return false;
    DWORD type = 0;
    DWORD size = 0;
    return run.QueryValue("MorvaneAutomount", &type, nullptr, &size) == ERROR_SUCCESS;
}

}  // namespace

TEST_F(LogonRestore, WithoutCatalogueDoesNothing) {
    RunQuietLogonRestore();
    EXPECT_FALSE(StoreKeyExists());
    EXPECT_FALSE(RunValueExists()) << "the log-on entry needs a catalogue first";
    EXPECT_FALSE(FileBytes(ActivityLogPath()));
}

TEST_F(LogonRestore, RecordsThatAreNotRestoredEndUpUnmounted) {
    struct Case {
        RecordFields fields;
        // Only the mounted flag may change, and only to clear.
        uint8_t mountedAfter;
    };
    const std::vector<Case> cases = {
        {{"left.iso", "C:\\images\\left.iso", 'Q', 3, true, false}, 0},
        {{"unmounted.img", "C:\\images\\unmounted.img", 'B', 4, false, true}, 0},
        {{"plain.vhd", "C:\\images\\plain.vhd", 'Z', 1, false, false}, 0},
    };
    for (const Case& c : cases) ASSERT_EQ(StoreRecord(c.fields), ERROR_SUCCESS);

    RunQuietLogonRestore();

    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields.name);
        const auto after = ReadRecord(c.fields.name);
        ASSERT_TRUE(after);
        CFileInfo expected = MakeRecord(c.fields);
        expected.mounted = c.mountedAfter;
        EXPECT_EQ(std::memcmp(&*after, &expected, sizeof expected), 0);
    }
    EXPECT_TRUE(RunValueExists());
    EXPECT_FALSE(FileBytes(ActivityLogPath())) << ReadActivityLog();
}

TEST_F(LogonRestore, ValuesThatAreNotRecordsStayUntouched) {
    const std::string text = "not a record";
    const std::vector<uint8_t> tooLong(600, 1);
    ASSERT_EQ(StoreValue("text.iso", REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1)), ERROR_SUCCESS);
    ASSERT_EQ(StoreValue("long.iso", REG_BINARY, tooLong.data(), static_cast<DWORD>(tooLong.size())), ERROR_SUCCESS);
    ASSERT_EQ(StoreRecord({"left.iso", "C:\\left.iso", 'Q', 3, true, false}), ERROR_SUCCESS);
    const auto before = StoredValues();

    RunQuietLogonRestore();

    const auto after = StoredValues();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
        SCOPED_TRACE(after[i].name);
        if (after[i].name == "left.iso") continue;
        EXPECT_EQ(after[i].type, before[i].type);
        EXPECT_EQ(after[i].data, before[i].data);
    }
}

TEST_F(LogonRestore, ShortRecordIsCompletedWithZeroBytes) {
    // A value shorter than a record is read as one whose missing bytes are
    // zero; correcting it writes the full record.
    CFileInfo record = MakeRecord({"short.iso", "C:\\short.iso", 'Q', 3, true, false});
    ASSERT_EQ(StoreValue("short.iso", REG_BINARY, &record, 593), ERROR_SUCCESS);

    RunQuietLogonRestore();

    const auto after = ReadRecord("short.iso");
    ASSERT_TRUE(after);
    record.mounted = 0;
    EXPECT_EQ(std::memcmp(&*after, &record, sizeof record), 0);
}

TEST_F(LogonRestore, RecordIsWrittenBackToItsOwnValueOnly) {
    // Each value marked mounted, so the restore corrects it; its record's
    // name field says something else than its value's name.
    CFileInfo good = MakeRecord({"good1.iso", "C:\\good1.iso", 'Q', 3, false, false});
    CFileInfo namingGood = MakeRecord({"good1.iso", "C:\\evil.iso", 'Q', 3, true, false});
    CFileInfo unnamed = MakeRecord({"", "C:\\unnamed.iso", 'Q', 3, true, false});
    CFileInfo unterminated = MakeRecord({"", "C:\\long.iso", 'Q', 3, true, false});
    std::memset(unterminated.findData.cFileName, 'n', sizeof unterminated.findData.cFileName);
    const struct {
        const char* name;
        CFileInfo record;
    } values[] = {{"good1.iso", good}, {"evil.iso", namingGood}, {"unnamed.iso", unnamed}, {"long.iso", unterminated}};
    for (const auto& v : values) ASSERT_EQ(StoreRecord(v.name, v.record), ERROR_SUCCESS);
    // A name outside the code page (Greek capital omega) goes back to its own
    // value as well.
    win32::RegKey key;
    ASSERT_EQ(key.Open(HKEY_CURRENT_USER, kFilesListKey, KEY_WRITE), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key.Get(), L"\x03A9mega.iso", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&namingGood),
                             sizeof namingGood),
              ERROR_SUCCESS);
    key.Close();

    RunQuietLogonRestore();

    const auto after = StoredValues();
    ASSERT_EQ(after.size(), 5u) << "no value was added";
    for (const auto& v : values) {
        SCOPED_TRACE(v.name);
        CFileInfo expected = v.record;
        expected.mounted = 0;
        const auto stored = ReadRecord(v.name);
        ASSERT_TRUE(stored);
        EXPECT_EQ(std::memcmp(&*stored, &expected, sizeof expected), 0);
    }
    uint8_t omega[sizeof(CFileInfo)] = {};
    DWORD size = sizeof omega;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Tarnwell Incorporation\\Morvane\\FilesList",
                           L"\x03A9mega.iso", RRF_RT_REG_BINARY, nullptr, omega, &size),
              ERROR_SUCCESS);
    CFileInfo omegaExpected = namingGood;
    omegaExpected.mounted = 0;
    EXPECT_EQ(std::memcmp(omega, &omegaExpected, sizeof omega), 0);
}
