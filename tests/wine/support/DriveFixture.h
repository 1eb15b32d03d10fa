// Mount tests run the test program's own application object (the core is
// linked in) against the stand-in driver, with every volume request of the
// core recorded. Each test gets clean devices, drive letters that no drive
// uses, a clean registry and the built-in texts.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/FileInfo.h"
#include "support/CleanRegistry.h"
#include "support/FileBytes.h"
#include "support/ImportPatch.h"

namespace morvane::test {

// A catalogue record of an image file, not mounted.
CFileInfo ImageRecord(const std::string& name, const std::string& imagePath, char letter, uint32_t mode);
// The record stored under `name`, or none.
std::optional<CFileInfo> StoredRecord(const std::string& name);
// Whether GetLogicalDrives lists the letter.
bool DriveListed(char letter);
// Whether the letter has any DOS device definition.
bool DriveDefined(char letter);
// Makes the test program's application object, and every plug-in loaded
// from now on, use the built-in texts instead of the installed translation.
// Call after the registry was cleaned.
bool UseBuiltinTexts();

class DriveTest : public CleanRegistryTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // `count` letters that no drive uses; they are cleaned up after the test.
    std::vector<char> FreeLetters(size_t count);

    // Records the core's volume requests; also turns Wine's failed dismount
    // into the success that Windows reports.
    std::unique_ptr<DriverRequestRecorder> recorder_;

private:
    std::vector<char> letters_;
};

}  // namespace morvane::test
