#include "BoxAnswerer.h"

#include <string>

#include "ConsoleText.h"

namespace mvhost {
namespace {

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM out) {
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(out) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Every line indented under the box's heading.
std::string Indented(const std::string& text) {
    std::string out = "  ";
    for (char c : text) {
        out += c;
        if (c == '\n') out += "  ";
    }
    return out;
}

std::string WindowText(HWND hwnd) {
    char text[4096] = {};
    const int len = GetWindowTextA(hwnd, text, sizeof text);
    return std::string(text, len > 0 ? static_cast<size_t>(len) : 0);
}

const char* ButtonWord(int id) {
    switch (id) {
        case IDOK: return "OK";
        case IDCANCEL: return "Cancel";
        case IDYES: return "Yes";
        case IDNO: return "No";
        default: return "?";
    }
}

// A message box's text is its static control 0xFFFF.
constexpr int kMessageTextControl = 0xFFFF;

}  // namespace

BoxAnswerer::BoxAnswerer(std::deque<int> answers, DWORD thread)
    : thread_(thread), answers_(std::move(answers)), worker_([this] { Run(); }) {}

BoxAnswerer::~BoxAnswerer() {
    stop_ = true;
    worker_.join();
}

void BoxAnswerer::Run() {
    while (!stop_)
        if (!AnswerOne()) Sleep(10);
}

int BoxAnswerer::NextAnswer(HWND box, std::string& report) {
    // Each box takes the next answer given; one it cannot take (no such
    // button) falls back to the safe choice.
    if (!answers_.empty()) {
        const int answer = answers_.front();
        answers_.pop_front();
        if (GetDlgItem(box, answer)) return answer;
        report += std::string("  (the box has no ") + ButtonWord(answer) + " button)\n";
    }
    for (int fallback : {IDNO, IDCANCEL, IDOK})
        if (GetDlgItem(box, fallback)) return fallback;
    return IDCANCEL;
}

bool BoxAnswerer::AnswerOne() {
    HWND box = nullptr;
    EnumThreadWindows(thread_, FindDialog, reinterpret_cast<LPARAM>(&box));
    if (!box) return false;
    // Let the box finish building its controls before reading them.
    Sleep(20);
    ++seen_;

    const HWND text = GetDlgItem(box, kMessageTextControl);
    std::string report = std::string(text ? "[message box] " : "[dialog] ") + AnsiToUtf8(WindowText(box)) + "\n";
    if (text) report += Indented(AnsiToUtf8(WindowText(text))) + "\n";
    const int answer = NextAnswer(box, report);
    report += std::string("  -> ") + ButtonWord(answer) + "\n";
    Print(report);

    if (HWND button = GetDlgItem(box, answer)) {
        SendMessageA(button, BM_CLICK, 0, 0);
    } else {
        PostMessageA(box, WM_COMMAND, answer, 0);
    }
    for (int i = 0; i < 500 && IsWindow(box); ++i) Sleep(5);
    return true;
}

}  // namespace mvhost
