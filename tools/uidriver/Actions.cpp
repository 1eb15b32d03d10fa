#include "uidriver/Actions.h"

#include <vector>

#include "uidriver/ActiveWindow.h"
#include "uidriver/ReadWindow.h"
#include "uidriver/WindowQuery.h"

namespace uidriver {
namespace {

// A three-state check box reaches any state within two clicks; one that
// has not by the third refuses.
constexpr int kMaxClicks = 3;

std::string ControlName(int id) { return "control " + std::to_string(id); }

// The control a user could reach: present, visible and enabled.
HWND UsableControl(HWND window, int id, std::string& obstacle) {
    const HWND control = GetDlgItem(window, id);
    if (!control) {
        obstacle = "no " + ControlName(id);
    } else if (!(GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE)) {
        obstacle = ControlName(id) + " is hidden";
    } else if (!IsWindowEnabled(control)) {
        obstacle = ControlName(id) + " is disabled";
    }
    return obstacle.empty() ? control : nullptr;
}

bool IsClickableStatic(HWND control) {
    return ClassIs(control, "Static") && (GetWindowLongA(control, GWL_STYLE) & SS_NOTIFY);
}

// A mouse click as the control itself takes it; sent without waiting, since
// its handler may open a modal window.
void Click(HWND control) {
    if (ClassIs(control, "Button")) {
        SendNotifyMessageA(control, BM_CLICK, 0, 0);
    } else {
        SendNotifyMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendNotifyMessageA(control, WM_LBUTTONUP, 0, 0);
    }
}

// The entry's index, -1 when the combo box has none such.
int EntryIndex(HWND combo, const Step& step) {
    LRESULT count = 0;
    if (!Ask(combo, CB_GETCOUNT, 0, 0, count) || count <= 0) return -1;
    if (step.index >= 0) return step.index < count ? step.index : -1;
    const std::vector<std::string> items = ReadControl(combo).items;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == step.text) return static_cast<int>(i);
    return -1;
}

std::string EntryName(const Step& step) {
    return step.index >= 0 ? "entry " + std::to_string(step.index) : "entry \"" + step.text + "\"";
}

bool HasUsableCloseBox(HWND window) {
    if (!(GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU)) return false;
    const HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return true;
    const UINT state = GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

int CheckState(HWND control) {
    LRESULT state = BST_UNCHECKED;
    Ask(control, BM_GETCHECK, 0, 0, state);
    return static_cast<int>(state);
}

bool StillInFront(HWND window) { return ActiveWindow(GetWindowThreadProcessId(window, nullptr)) == window; }

// Escape goes to the control that has the keyboard focus, and the dialog's
// message loop turns it into its Cancel command.
void PressEscapeKey(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND target = window;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus &&
        (info.hwndFocus == window || IsChild(window, info.hwndFocus)))
        target = info.hwndFocus;
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(VK_ESCAPE, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, scan | 1);
    PostMessageA(target, WM_KEYUP, VK_ESCAPE, scan | 1 | (1 << 30) | (static_cast<LPARAM>(1) << 31));
}

std::string ButtonObstacle(HWND window, const Step& step) {
    std::string obstacle;
    const HWND control = UsableControl(window, step.id, obstacle);
    if (!control) {
        if (step.kind == StepKind::Answer && !GetDlgItem(window, step.id))
            return "the window has no " + ButtonWord(step.id) + " button";
        return obstacle;
    }
    const ControlKind kind = KindOfControl(control);
    if (kind == ControlKind::Group || (kind != ControlKind::Button && kind != ControlKind::Check &&
                                       kind != ControlKind::Radio && !IsClickableStatic(control)))
        return ControlName(step.id) + " cannot be pressed";
    return std::string();
}

std::string PickObstacle(HWND window, const Step& step) {
    std::string obstacle;
    const HWND control = UsableControl(window, step.id, obstacle);
    if (!control) return obstacle;
    if (KindOfControl(control) != ControlKind::Combo) return ControlName(step.id) + " is not a drop-down list";
    if (EntryIndex(control, step) < 0) return ControlName(step.id) + " has no " + EntryName(step);
    return std::string();
}

std::string CheckObstacle(HWND window, const Step& step) {
    std::string obstacle;
    const HWND control = UsableControl(window, step.id, obstacle);
    if (!control) return obstacle;
    const ControlKind kind = KindOfControl(control);
    if (kind == ControlKind::Radio && step.kind == StepKind::Uncheck)
        return "a click cannot clear radio button " + std::to_string(step.id);
    if (kind != ControlKind::Check && kind != ControlKind::Radio)
        return ControlName(step.id) + " is not a check box or radio button";
    return std::string();
}

std::string PerformPick(HWND window, const Step& step, Settler& settler) {
    const HWND combo = GetDlgItem(window, step.id);
    const int index = EntryIndex(combo, step);
    LRESULT selected = CB_ERR;
    if (index < 0 || !Ask(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0, selected) || selected != index)
        return "the selection did not change";
    // Setting the selection does not notify; a user's choice does.
    SendNotifyMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(step.id, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(combo));
    settler.Settle(window);
    return std::string();
}

std::string PerformCheck(HWND window, const Step& step, Settler& settler) {
    const HWND control = GetDlgItem(window, step.id);
    const int wanted = step.kind == StepKind::Check ? BST_CHECKED : BST_UNCHECKED;
    for (int clicks = 0; clicks < kMaxClicks; ++clicks) {
        if (CheckState(control) == wanted) return std::string();
        Click(control);
        settler.Settle(window);
        // A window opened by the click has the user's attention now.
        if (!StillInFront(window)) return std::string();
    }
    if (CheckState(control) == wanted) return std::string();
    return ControlName(step.id) + (wanted == BST_CHECKED ? " stays unchecked" : " stays checked");
}

}  // namespace

std::string Obstacle(HWND window, const Step& step) {
    switch (step.kind) {
        case StepKind::Answer:
        case StepKind::Press: return ButtonObstacle(window, step);
        case StepKind::Pick: return PickObstacle(window, step);
        case StepKind::Check:
        case StepKind::Uncheck: return CheckObstacle(window, step);
        case StepKind::Close: return HasUsableCloseBox(window) ? std::string() : "the window has no usable close box";
        default: return std::string();
    }
}

std::string Perform(HWND window, const Step& step, Settler& settler) {
    switch (step.kind) {
        case StepKind::Answer:
        case StepKind::Press:
            Click(GetDlgItem(window, step.id));
            settler.Settle(window);
            return std::string();
        case StepKind::Pick: return PerformPick(window, step, settler);
        case StepKind::Check:
        case StepKind::Uncheck: return PerformCheck(window, step, settler);
        case StepKind::Escape:
            PressEscapeKey(window);
            settler.Settle(window);
            return StillInFront(window) ? "the window stayed open" : std::string();
        case StepKind::Close:
            SendNotifyMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            settler.Settle(window);
            return StillInFront(window) ? "the window stayed open" : std::string();
        default: return std::string();
    }
}

int SafeAnswerFor(HWND window) {
    if (!IsMessageBox(ReadWindow(window))) return IDCANCEL;
    for (int id : {IDNO, IDCANCEL, IDOK}) {
        std::string obstacle;
        if (UsableControl(window, id, obstacle)) return id;
    }
    return IDCANCEL;
}

void GiveAnswer(HWND window, int id, Settler& settler) {
    std::string obstacle;
    if (const HWND button = UsableControl(window, id, obstacle)) {
        Click(button);
    } else {
        SendNotifyMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }
    settler.Settle(window);
}

}  // namespace uidriver
