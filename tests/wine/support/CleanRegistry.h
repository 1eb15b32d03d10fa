// Every test starts from a registry without the plug-in's keys and without
// its log-on entry, and leaves none behind.
#pragma once

#include <gtest/gtest.h>

namespace morvane::test {

void RemovePluginRegistryState();

class CleanRegistryTest : public testing::Test {
protected:
    void SetUp() override { RemovePluginRegistryState(); }
    void TearDown() override { RemovePluginRegistryState(); }
};

}  // namespace morvane::test
