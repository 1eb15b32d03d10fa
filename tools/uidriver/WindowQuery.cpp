#include "uidriver/WindowQuery.h"

#include <algorithm>
#include <vector>

#include "uidriver/Utf8Text.h"

namespace uidriver {
namespace {

// Longer texts are cut: no control of a dialog shows more.
constexpr LRESULT kMaxTextLength = 32767;

}  // namespace

bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& answer) {
    DWORD_PTR result = 0;
    // A thread that has not taken a message for a while fails the question at
    // once, instead of every question waiting out the failsafe.
    const bool answered =
        SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kFailsafeMs, &result) != 0;
    answer = answered ? static_cast<LRESULT>(result) : 0;
    return answered;
}

std::string TextOf(HWND window) {
    LRESULT length = 0;
    if (!Ask(window, WM_GETTEXTLENGTH, 0, 0, length) || length <= 0) return std::string();
    if (length > kMaxTextLength) length = kMaxTextLength;
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = 0;
    if (!Ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), copied) || copied <= 0)
        return std::string();
    return WideToUtf8(std::wstring_view(text.data(), static_cast<size_t>(std::min(copied, length))));
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

bool ClassIs(HWND window, const char* name) { return lstrcmpiA(ClassOf(window).c_str(), name) == 0; }

}  // namespace uidriver
