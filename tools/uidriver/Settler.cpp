#include "uidriver/Settler.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>

#include "uidriver/WindowQuery.h"

namespace uidriver {
namespace {

// Markers are thread messages: unlike one posted to a window, a marker is not
// dropped when the window is destroyed before the thread gets to it.
struct Markers {
    std::mutex mutex;
    std::condition_variable taken;
    std::map<DWORD, WPARAM> lastTaken;  // per hooked thread
    std::atomic<WPARAM> lastPosted{0};
};

Markers& TheMarkers() {
    static Markers markers;
    return markers;
}

UINT MarkerMessage() {
    static const UINT message = RegisterWindowMessageA("MorvaneUiDriverSettled");
    return message;
}

void NoteTaken(DWORD thread, WPARAM marker) {
    Markers& markers = TheMarkers();
    {
        std::lock_guard<std::mutex> lock(markers.mutex);
        // The entry exists while the thread is hooked: nothing is allocated here.
        const auto last = markers.lastTaken.find(thread);
        if (last != markers.lastTaken.end() && marker > last->second) last->second = marker;
    }
    markers.taken.notify_all();
}

// Runs on the hooked thread as it takes a message from its queue; nothing
// may be thrown back into the system from here.
LRESULT CALLBACK OnGetMessage(int code, WPARAM removal, LPARAM lParam) {
    MSG* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE && msg->hwnd == nullptr && msg->message == MarkerMessage()) {
        try {
            NoteTaken(GetCurrentThreadId(), msg->wParam);
        } catch (...) {
            // A marker not noted only costs its waiter the failsafe.
        }
        // Nobody else is meant to see it.
        msg->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, removal, lParam);
}

}  // namespace

Settler::Settler(DWORD thread) : thread_(thread) {
    MarkerMessage();
    {
        Markers& markers = TheMarkers();
        std::lock_guard<std::mutex> lock(markers.mutex);
        markers.lastTaken.emplace(thread, 0);
    }
    hook_.Reset(SetWindowsHookExA(WH_GETMESSAGE, OnGetMessage, nullptr, thread));
}

Settler::~Settler() {
    hook_.Reset();
    Markers& markers = TheMarkers();
    std::lock_guard<std::mutex> lock(markers.mutex);
    markers.lastTaken.erase(thread_);
}

bool Settler::Settle(HWND window) {
    LRESULT ignored = 0;
    // Sent messages come first: this returns once those sent before are handled.
    Ask(window, WM_NULL, 0, 0, ignored);
    // Without the hook only the sent messages can be waited for.
    if (!hook_) return true;

    Markers& markers = TheMarkers();
    const WPARAM marker = ++markers.lastPosted;
    if (!PostThreadMessageA(thread_, MarkerMessage(), marker, 0)) return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kFailsafeMs);
    std::unique_lock<std::mutex> lock(markers.mutex);
    // A thread that has left its last message loop never takes the marker;
    // the window it ended is then destroyed, which settles it as well.
    while (markers.lastTaken[thread_] < marker && IsWindow(window)) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        markers.taken.wait_for(lock, std::chrono::milliseconds(10));
    }
    return true;
}

}  // namespace uidriver
