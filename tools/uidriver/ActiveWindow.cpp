#include "uidriver/ActiveWindow.h"

#include <algorithm>
#include <vector>

namespace uidriver {
namespace {

// A thread never shows more dialogs at once than this.
constexpr size_t kMaxDialogs = 64;

bool IsDialogClass(HWND window) {
    char name[16] = {};
    return GetClassNameA(window, name, sizeof name) > 0 && lstrcmpA(name, "#32770") == 0;
}

// The vector has room reserved for every window it takes: nothing is thrown
// back into the system from here.
BOOL CALLBACK CollectDialog(HWND window, LPARAM out) {
    auto& dialogs = *reinterpret_cast<std::vector<HWND>*>(out);
    if (IsDialogClass(window) && IsWindowVisible(window) && IsWindowEnabled(window)) dialogs.push_back(window);
    return dialogs.size() < kMaxDialogs;
}

}  // namespace

HWND ActiveWindow(DWORD thread) {
    // Top-level windows come in z-order, the newest modal one first; one that
    // owns another enabled candidate (a box shown without disabling its owner)
    // is not the one in front.
    std::vector<HWND> dialogs;
    dialogs.reserve(kMaxDialogs);
    EnumThreadWindows(thread, CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
    for (HWND candidate : dialogs) {
        const bool ownsAnother = std::any_of(dialogs.begin(), dialogs.end(), [&](HWND other) {
            return other != candidate && GetWindow(other, GW_OWNER) == candidate;
        });
        if (!ownsAnother) return candidate;
    }
    return dialogs.empty() ? nullptr : dialogs.front();
}

}  // namespace uidriver
