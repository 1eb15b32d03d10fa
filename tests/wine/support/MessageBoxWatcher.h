// Answers the message boxes that the plug-in shows on the test's thread, the
// way a user would: a second thread finds each box on screen (Wine's null
// graphics driver), records what it says and presses a button.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "uidriver/Session.h"

namespace morvane::test {

struct SeenMessageBox {
    std::string caption;
    std::string text;
    bool hasOk = false;
    bool hasCancel = false;
    bool hasYes = false;
    bool hasNo = false;
    // The button that Enter would press (IDOK, IDYES, IDNO...), 0 if unknown.
    int defaultButton = 0;
    // The button that was pressed.
    int pressed = 0;
    // The standard icon shown (MB_ICONEXCLAMATION, MB_ICONQUESTION,
    // MB_ICONINFORMATION or MB_ICONERROR), 0 when none or another.
    UINT icon = 0;
    // The window that owns the box, and whether it took input while the box
    // was up (a modal box disables its owner).
    HWND owner = nullptr;
    bool ownerEnabled = false;
};

class MessageBoxWatcher {
public:
    // Presses the given buttons (IDOK, IDYES, IDNO, ...) in turn, one per box
    // that appears on `thread`. A box beyond the list, or one without the
    // button given for it, is closed with the button it offers of No, Cancel
    // and OK, and still recorded.
    explicit MessageBoxWatcher(std::initializer_list<int> answers = {}, DWORD thread = GetCurrentThreadId());
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<SeenMessageBox> Seen() const;

private:
    uidriver::Session session_;
};

}  // namespace morvane::test
