#include "support/DriveFixture.h"

#include <algorithm>

#include "catalogue/StoreKey.h"
#include "lang/SettingsKey.h"
#include "plugin/MorvaneApp.h"
#include "support/StandInDriver.h"
#include "win32/RegKey.h"
#include "win32/UniqueHandle.h"

namespace morvane::test {
namespace {

void ResetAllStandInDevices() {
    for (int family : {kHardDiskFamily, kCdDvdFamily, kFloppyFamily}) {
        for (uint32_t number = 0; number < MV_STANDIN_SERVED_DEVICES; ++number) ResetStandInDevice(family, number);
    }
}

}  // namespace

CFileInfo ImageRecord(const std::string& name, const std::string& imagePath, char letter, uint32_t mode) {
    CFileInfo record = EmptyFileInfo();
    SetFieldText(record.findData.cFileName, name);
    SetFieldText(record.imagePath, imagePath);
    record.driveLetter = letter;
    record.mountMode = mode;
    return record;
}

std::optional<CFileInfo> StoredRecord(const std::string& name) {
    win32::RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kFilesListKey, KEY_READ) != ERROR_SUCCESS) return std::nullopt;
    CFileInfo record;
    DWORD type = 0;
    DWORD size = sizeof record;
    if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&record), &size) !=
            ERROR_SUCCESS ||
        type != REG_BINARY || size != sizeof record)
        return std::nullopt;
    return record;
}

bool DriveListed(char letter) { return (GetLogicalDrives() & (1u << (letter - 'A'))) != 0; }

bool DriveDefined(char letter) {
    const char name[] = {letter, ':', '\0'};
    char target[1024];
    return QueryDosDeviceA(name, target, sizeof target) != 0;
}

bool UseBuiltinTexts() {
    win32::RegKey settings;
    if (settings.Create(HKEY_CURRENT_USER, kSettingsKey, KEY_WRITE) != ERROR_SUCCESS) return false;
    if (settings.SetValue(kLangFileValue, REG_SZ, kBuiltinLanguageMark, sizeof kBuiltinLanguageMark) != ERROR_SUCCESS)
        return false;
    return App().LoadLanguage(kBuiltinLanguageMark, true);
}

void DriveTest::SetUp() {
    CleanRegistryTest::SetUp();
    ASSERT_TRUE(UseBuiltinTexts());
    std::string why;
    ASSERT_TRUE(EnsureStandInDriverRunning(&why)) << "the stand-in driver does not run: " << why;
    ResetAllStandInDevices();
    recorder_ = std::make_unique<DriverRequestRecorder>(GetModuleHandleA(nullptr));
    ASSERT_TRUE(recorder_->IsActive()) << recorder_->Why();
}

void DriveTest::TearDown() {
    recorder_.reset();
    for (char letter : letters_) RemoveStandInDriveLetter(letter);
    ResetAllStandInDevices();
    CleanRegistryTest::TearDown();
}

std::vector<char> DriveTest::FreeLetters(size_t count) {
    std::vector<char> letters;
    for (char letter = 'Y'; letter >= 'D' && letters.size() < count; --letter) {
        const bool given = std::find(letters_.begin(), letters_.end(), letter) != letters_.end();
        if (!given && !DriveListed(letter) && !DriveDefined(letter)) letters.push_back(letter);
    }
    letters_.insert(letters_.end(), letters.begin(), letters.end());
    return letters;
}

}  // namespace morvane::test
