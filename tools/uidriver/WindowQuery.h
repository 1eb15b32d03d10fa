// Questions to a window of another thread. Each is a message that thread
// must answer; a thread that has stopped answering costs a bounded wait,
// never a hang of the driver.
#pragma once

#include <windows.h>

#include <string>

namespace uidriver {

// How long any single wait on the driven thread may take: only a failsafe,
// nothing is timed by it.
constexpr UINT kFailsafeMs = 30000;

// The window's answer to the message; false when it did not answer in time
// or the window is gone (`answer` is then 0).
bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& answer);
// The window's text (caption or control text) in UTF-8, empty when it gave none.
std::string TextOf(HWND window);
// The window's class name, empty when unknown.
std::string ClassOf(HWND window);
bool ClassIs(HWND window, const char* name);

}  // namespace uidriver
