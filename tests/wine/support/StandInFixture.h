// A test that talks to the stand-in driver through a free drive letter: the
// driver runs, its served devices start empty, and no definition of the
// letter outlives the test, whatever it does.
#pragma once

#include <windows.h>

#include <string>

#include "drive/ReportContext.h"
#include "support/CleanRegistry.h"

namespace morvane::test {

class StandInDriverTest : public CleanRegistryTest {
protected:
    void SetUp() override;
    void TearDown() override;

    char letter_ = 0;
};

// The message that a failure with system error `error` shows for `object`
// (a drive name such as "X:", or "MV_FileDisk:").
std::string SystemMessageFor(const std::string& object, DWORD error);
// The special message of a context and error (driver missing, too many
// devices, image not accessible).
std::string SpecialMessageFor(ReportContext context, DWORD error);

// Whether `letter` is defined as a DOS device (GetLogicalDrives).
bool IsDriveDefined(char letter);

}  // namespace morvane::test
