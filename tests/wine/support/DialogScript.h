// A script of user steps for the dialogs and message boxes that the code under
// test shows on the test's thread: each window takes the next steps as it
// comes up, and the test reads afterwards what was seen and done.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "uidriver/Session.h"

namespace morvane::test {

class DialogScript {
public:
    explicit DialogScript(std::vector<uidriver::Step> steps, DWORD thread = GetCurrentThreadId());
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    std::vector<uidriver::Event> Transcript() const { return session_.Transcript(); }
    // Each window as it came up, in order, its texts in the code page (see
    // CodePageView.h).
    std::vector<uidriver::WindowState> Windows() const;
    // The same with the texts in UTF-8, as the windows show them.
    std::vector<uidriver::WindowState> ShownWindows() const;
    // What followed the first window's appearance, as mvhost prints it, one
    // entry per event: "  -> pick 1001=Beta\n", a nested box's state...
    std::vector<std::string> EventsAfterFirst() const;
    std::vector<uidriver::Step> StepsLeft() const { return session_.StepsLeft(); }

private:
    uidriver::Session session_;
};

}  // namespace morvane::test
