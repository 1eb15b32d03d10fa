#include "support/CodePageView.h"

#include <windows.h>

#include "uidriver/Utf8Text.h"

namespace morvane::test {

std::string CodePageText(const std::string& utf8) {
    const std::wstring wide = uidriver::Utf8ToWide(utf8);
    if (wide.empty()) return std::string();
    const int length = static_cast<int>(wide.size());
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) WideCharToMultiByte(CP_ACP, 0, wide.data(), length, ansi.data(), bytes, nullptr, nullptr);
    return ansi;
}

uidriver::WindowState InCodePage(uidriver::WindowState state) {
    state.caption = CodePageText(state.caption);
    state.text = CodePageText(state.text);
    for (uidriver::ControlState& control : state.controls) {
        control.text = CodePageText(control.text);
        for (std::string& item : control.items) item = CodePageText(item);
    }
    return state;
}

}  // namespace morvane::test
