#include "support/CodePageView.h"

#include "uidriver/Utf8Text.h"

namespace morvane::test {

uidriver::WindowState InCodePage(uidriver::WindowState state) {
    state.caption = uidriver::Utf8ToAnsi(state.caption);
    state.text = uidriver::Utf8ToAnsi(state.text);
    for (uidriver::ControlState& control : state.controls) {
        control.text = uidriver::Utf8ToAnsi(control.text);
        for (std::string& item : control.items) item = uidriver::Utf8ToAnsi(item);
    }
    return state;
}

}  // namespace morvane::test
