// A test against the stand-in driver. It starts from a clean registry with
// the built-in texts in force, the driver running and its served devices
// empty, and one drive letter that no drive uses. Whatever the test does, the
// letters it was given lose their stand-in definitions and the devices are
// emptied again at the end.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "support/BuiltinTextsFixture.h"
#include "support/DriverRequestRecorder.h"

namespace morvane::test {

class StandInTest : public BuiltinTextsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Up to `count` more letters that no drive uses, from Y downwards.
    std::vector<char> FreeLetters(size_t count);

    // From now on a fresh recorder_ records every driver step of the test
    // program's own core, and turns Wine's failed dismount into the success
    // that Windows reports.
    void RecordCoreRequests();

    char letter_ = 0;
    std::unique_ptr<DriverRequestRecorder> recorder_;

private:
    std::vector<char> givenLetters_;
};

}  // namespace morvane::test
