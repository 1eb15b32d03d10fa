// The watcher is what every message-box test relies on: check it against
// boxes of known types first.
#include <gtest/gtest.h>

#include "support/MessageBoxWatcher.h"

using namespace morvane::test;

TEST(MessageBoxWatcher, ReadsAndAnswersBoxesInTurn) {
    MessageBoxWatcher watcher({IDNO, IDYES});
    EXPECT_EQ(MessageBoxA(nullptr, "first?", "Title", MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(MessageBoxA(nullptr, "second?", "Title", MB_YESNO | MB_ICONEXCLAMATION), IDYES);
    EXPECT_EQ(MessageBoxA(nullptr, "third", "Other", MB_OK), IDOK);
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].text, "first?");
    EXPECT_EQ(seen[0].caption, "Title");
    EXPECT_TRUE(seen[0].hasYes && seen[0].hasNo && !seen[0].hasOk);
    EXPECT_EQ(seen[0].defaultButton, IDNO);
    EXPECT_EQ(seen[1].defaultButton, IDYES);
    EXPECT_TRUE(seen[2].hasOk && !seen[2].hasYes);
    EXPECT_EQ(seen[2].caption, "Other");
}

TEST(MessageBoxWatcher, TellsTheStandardIcon) {
    MessageBoxWatcher watcher;
    MessageBoxA(nullptr, "a", "T", MB_OK | MB_ICONEXCLAMATION);
    MessageBoxA(nullptr, "b", "T", MB_YESNO | MB_ICONQUESTION);
    MessageBoxA(nullptr, "c", "T", MB_OK | MB_ICONERROR);
    MessageBoxA(nullptr, "d", "T", MB_OK);
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(seen[1].icon, static_cast<UINT>(MB_ICONQUESTION));
    EXPECT_EQ(seen[2].icon, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(seen[3].icon, 0u);
}

// Nobody can press a button the box does not show.
TEST(MessageBoxWatcher, AnAnswerTheBoxDoesNotOfferGivesTheSafeOne) {
    MessageBoxWatcher watcher({IDYES});
    EXPECT_EQ(MessageBoxA(nullptr, "done", "T", MB_OK), IDOK);
    const auto seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].pressed, IDOK);
}
