// Tells when a thread has caught up with what the driver did to its windows.
// A sent message alone does not: messages posted before it (a key press, the
// command the close box posts) are handled after it. So a hook on the
// thread's message retrieval watches for a marker posted behind them.
#pragma once

#include <windows.h>

#include "uidriver/DriverHandles.h"

namespace uidriver {

class Settler {
public:
    // Hooks `thread`, a thread of this process, until destroyed.
    explicit Settler(DWORD thread);
    ~Settler();
    Settler(const Settler&) = delete;
    Settler& operator=(const Settler&) = delete;

    // Returns once the thread has handled everything sent and posted to it
    // before the call, so it is back in a message loop (its own modal one or
    // that of a window it opened meanwhile), or once `window` is gone. False
    // when that took longer than the failsafe.
    bool Settle(HWND window);

private:
    DWORD thread_;
    WindowsHook hook_;
};

}  // namespace uidriver
