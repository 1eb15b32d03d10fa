#include "support/MessageBoxWatcher.h"

namespace morvane::test {
namespace {

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM out) {
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(out) = hwnd;
        return FALSE;
    }
    return TRUE;
}

std::string WindowText(HWND hwnd) {
    char text[4096] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

UINT StandardIcon(HWND box) {
    struct Known {
        LPCSTR resource;
        UINT type;
    };
    const Known known[] = {
        {IDI_EXCLAMATION, MB_ICONEXCLAMATION},
        {IDI_QUESTION, MB_ICONQUESTION},
        {IDI_ASTERISK, MB_ICONINFORMATION},
        {IDI_HAND, MB_ICONERROR},
    };
    // Wine numbers the icon control 0x0440, Windows 0x0014.
    for (int id : {0x0440, 0x0014}) {
        HWND control = GetDlgItem(box, id);
        if (!control) continue;
        // The box shows the shared system icon: the same handle LoadIcon gives.
        const HICON shown = reinterpret_cast<HICON>(SendMessageA(control, STM_GETICON, 0, 0));
        if (!shown) continue;
        for (const Known& k : known) {
            if (LoadIconA(nullptr, k.resource) == shown) return k.type;
        }
    }
    return 0;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(std::initializer_list<int> answers, DWORD thread)
    : thread_(thread), answers_(answers), worker_([this] { Run(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
    stop_ = true;
    worker_.join();
}

std::vector<SeenMessageBox> MessageBoxWatcher::Seen() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

void MessageBoxWatcher::Run() {
    while (!stop_) {
        if (!AnswerOne()) Sleep(10);
    }
}

bool MessageBoxWatcher::AnswerOne() {
    HWND box = nullptr;
    EnumThreadWindows(thread_, FindDialog, reinterpret_cast<LPARAM>(&box));
    if (!box) return false;

    SeenMessageBox seen;
    seen.caption = WindowText(box);
    HWND textControl = GetDlgItem(box, 0xFFFF);
    if (textControl) seen.text = WindowText(textControl);
    seen.hasOk = GetDlgItem(box, IDOK) != nullptr;
    seen.hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
    seen.hasYes = GetDlgItem(box, IDYES) != nullptr;
    seen.hasNo = GetDlgItem(box, IDNO) != nullptr;
    seen.icon = StandardIcon(box);
    seen.owner = GetWindow(box, GW_OWNER);
    seen.ownerEnabled = seen.owner && IsWindowEnabled(seen.owner);
    // The default button is the one with the default push-button style.
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
        HWND button = GetDlgItem(box, id);
        if (button && (GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) seen.defaultButton = id;
    }

    int answer = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!answers_.empty()) {
            answer = answers_.front();
            answers_.pop_front();
        }
    }
    if (answer == 0) answer = seen.hasNo ? IDNO : seen.hasCancel ? IDCANCEL : IDOK;
    seen.pressed = answer;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        seen_.push_back(seen);
    }
    HWND button = GetDlgItem(box, answer);
    if (button) {
        SendMessageA(button, BM_CLICK, 0, 0);
    } else {
        PostMessageA(box, WM_COMMAND, answer, 0);
    }
    // Wait until this box is gone before looking for the next one.
    for (int i = 0; i < 500 && IsWindow(box); ++i) Sleep(5);
    return true;
}

}  // namespace morvane::test
