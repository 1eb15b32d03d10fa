#include "support/BuiltinTextsFixture.h"

#include <string>

#include "lang/SettingsKey.h"
#include "support/ProgramApp.h"
#include "support/StoredLangSetting.h"

namespace morvane::test {

void BuiltinTextsTest::SetUp() {
    CleanRegistryTest::SetUp();
    // The test program's core chose its language when the program started
    // (the shipped English file beside it): it chooses again.
    const std::string builtin("<main>", sizeof "<main>");
    ASSERT_EQ(StoreLangSetting(REG_SZ, builtin), ERROR_SUCCESS);
    ASSERT_TRUE(LoadLanguage("<main>", true));
}

}  // namespace morvane::test
