// A test that expects the built-in texts: from a clean registry, the language
// choice selects them, and the test program's own application object has them
// in force, as has every plug-in the test loads.
#pragma once

#include "support/CleanRegistry.h"

namespace morvane::test {

class BuiltinTextsTest : public CleanRegistryTest {
protected:
    void SetUp() override;
};

}  // namespace morvane::test
