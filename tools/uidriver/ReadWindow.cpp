#include "uidriver/ReadWindow.h"

#include <algorithm>
#include <utility>

#include "uidriver/StandardIcon.h"
#include "uidriver/Utf8Text.h"
#include "uidriver/WindowQuery.h"

namespace uidriver {
namespace {

// Bounds against a window that keeps changing while it is read.
constexpr size_t kMaxControls = 512;
constexpr LRESULT kMaxItems = 1024;
constexpr LRESULT kMaxItemLength = 1024;
// A message box numbers its text 0xFFFF; a dialog template gives its labels
// the same number (-1 in an extended template).
bool IsTextId(int id) { return id == 0xFFFF || id == -1; }

ControlKind ButtonKind(DWORD style) {
    switch (style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE: return ControlKind::Check;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return ControlKind::Radio;
        case BS_GROUPBOX: return ControlKind::Group;
        default: return ControlKind::Button;
    }
}

ControlKind StaticKind(DWORD style) {
    switch (style & SS_TYPEMASK) {
        case SS_ICON: return ControlKind::Icon;
        case SS_BITMAP:
        case SS_ENHMETAFILE: return ControlKind::Bitmap;
        case SS_BLACKRECT:
        case SS_GRAYRECT:
        case SS_WHITERECT:
        case SS_BLACKFRAME:
        case SS_GRAYFRAME:
        case SS_WHITEFRAME:
        case SS_ETCHEDHORZ:
        case SS_ETCHEDVERT:
        case SS_ETCHEDFRAME: return ControlKind::Frame;
        default: return ControlKind::Static;
    }
}

ControlKind KindOf(const std::string& className, DWORD style) {
    auto is = [&](const char* name) { return lstrcmpiA(className.c_str(), name) == 0; };
    if (is("Button")) return ButtonKind(style);
    if (is("Static")) return StaticKind(style);
    if (is("Edit")) return ControlKind::Edit;
    if (is("ComboBox")) return ControlKind::Combo;
    if (is("ListBox")) return ControlKind::List;
    return ControlKind::Other;
}

// Combo and list boxes answer the same questions under different numbers.
struct ItemMessages {
    UINT count, textLength, text, selection;
};
constexpr ItemMessages kComboItems{CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_GETCURSEL};
constexpr ItemMessages kListItems{LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_GETCURSEL};

void ReadItems(HWND control, const ItemMessages& messages, ControlState& state) {
    LRESULT count = 0;
    if (!Ask(control, messages.count, 0, 0, count) || count <= 0) return;
    for (LRESULT i = 0; i < std::min(count, kMaxItems); ++i) {
        LRESULT length = 0;
        std::string item;
        if (Ask(control, messages.textLength, i, 0, length) && length > 0 && length <= kMaxItemLength) {
            std::vector<wchar_t> text(static_cast<size_t>(length) + 1, L'\0');
            LRESULT copied = 0;
            if (Ask(control, messages.text, i, reinterpret_cast<LPARAM>(text.data()), copied) && copied > 0)
                item = WideToUtf8(std::wstring_view(text.data(), static_cast<size_t>(std::min(copied, length))));
        }
        state.items.push_back(item);
    }
    LRESULT selected = -1;
    if (Ask(control, messages.selection, 0, 0, selected) && selected >= 0 && selected < count)
        state.selected = static_cast<int>(selected);
}

bool IsBoxAnswer(int id) { return id >= IDOK && id <= IDCONTINUE; }

// Text, buttons in the order a user reads them (`lefts` are the controls'
// left edges on screen), default button and icon.
void ReadMessageBox(const std::vector<LONG>& lefts, WindowState& state) {
    std::vector<std::pair<LONG, int>> buttons;
    for (size_t i = 0; i < state.controls.size(); ++i) {
        const ControlState& control = state.controls[i];
        if (control.kind == ControlKind::Static) state.text = control.text;
        if (control.kind == ControlKind::Icon && control.visible && !state.icon) state.icon = control.icon;
        if (control.kind == ControlKind::Button && control.visible) {
            buttons.emplace_back(lefts[i], control.id);
            if (control.isDefault) state.defaultButton = control.id;
        }
    }
    std::stable_sort(buttons.begin(), buttons.end());
    for (const auto& button : buttons) state.buttons.push_back(button.second);
}

}  // namespace

ControlKind KindOfControl(HWND control) {
    return KindOf(ClassOf(control), static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)));
}

ControlState ReadControl(HWND control) {
    ControlState state;
    state.id = GetDlgCtrlID(control);
    state.className = ClassOf(control);
    state.style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
    state.kind = KindOf(state.className, state.style);
    // A picture's text is the resource it was made from, not something shown.
    const bool picture = state.kind == ControlKind::Icon || state.kind == ControlKind::Bitmap;
    if (!picture) state.text = TextOf(control);
    state.enabled = IsWindowEnabled(control) != FALSE;
    state.visible = (state.style & WS_VISIBLE) != 0;
    LRESULT answer = 0;
    switch (state.kind) {
        case ControlKind::Button: state.isDefault = (state.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON; break;
        case ControlKind::Check:
        case ControlKind::Radio:
            if (Ask(control, BM_GETCHECK, 0, 0, answer)) state.checked = static_cast<int>(answer);
            break;
        case ControlKind::Combo: ReadItems(control, kComboItems, state); break;
        case ControlKind::List: ReadItems(control, kListItems, state); break;
        case ControlKind::Icon: state.icon = StandardIconOf(control); break;
        default: break;
    }
    return state;
}

bool IsMessageBox(const WindowState& state) {
    int texts = 0;
    for (const ControlState& control : state.controls) {
        if (control.kind == ControlKind::Static && IsTextId(control.id)) {
            ++texts;
        } else if (control.kind != ControlKind::Icon &&
                   !(control.kind == ControlKind::Button && IsBoxAnswer(control.id))) {
            return false;
        }
    }
    return texts == 1;
}

WindowState ReadWindow(HWND window) {
    WindowState state;
    if (!IsWindow(window)) return state;
    state.caption = TextOf(window);
    state.style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    state.owner = GetWindow(window, GW_OWNER);
    state.ownerEnabled = state.owner && IsWindowEnabled(state.owner);
    state.exStyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
    // Children in z-order, which is the tab order a template gives them.
    std::vector<LONG> lefts;
    for (HWND child = GetWindow(window, GW_CHILD); child && lefts.size() < kMaxControls;
         child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place{};
        GetWindowRect(child, &place);
        lefts.push_back(place.left);
        state.controls.push_back(ReadControl(child));
    }
    state.isMessageBox = IsMessageBox(state);
    if (state.isMessageBox) ReadMessageBox(lefts, state);
    return state;
}

}  // namespace uidriver
