#include "harness/ChildProcess.h"

#include <vector>

#include "win32/AnsiText.h"

namespace morvane::test {
namespace {

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindProcessDialog(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != search->processId) return TRUE;
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    // A box is answered once it is shown, with its texts and buttons in place.
    if (lstrcmpA(cls, "#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
    search->found = hwnd;
    return FALSE;
}

std::string WindowText(HWND hwnd) {
    char text[4096] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

// Records the dialog and answers it, so that a process that wrongly asks
// still ends and the test can say what it asked.
bool AnswerDialogOf(DWORD processId, std::vector<SeenDialog>& seen) {
    WindowSearch search{processId, nullptr};
    EnumWindows(FindProcessDialog, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return false;
    HWND box = search.found;
    SeenDialog dialog;
    dialog.caption = WindowText(box);
    if (HWND text = GetDlgItem(box, 0xFFFF)) dialog.text = WindowText(text);
    seen.push_back(dialog);
    const int answer = GetDlgItem(box, IDNO) ? IDNO : IDOK;
    if (HWND button = GetDlgItem(box, answer)) {
        PostMessageA(button, BM_CLICK, 0, 0);
    } else {
        PostMessageA(box, WM_COMMAND, answer, 0);
    }
    for (int i = 0; i < 200 && IsWindow(box); ++i) Sleep(5);
    return true;
}

}  // namespace

ChildProcess::ChildProcess(const std::string& commandLine) : ChildProcess(win32::WideText(commandLine)) {}

ChildProcess::ChildProcess(const std::wstring& commandLine) {
    // CreateProcessW may write into the command line: give it its own copy.
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        startError_ = GetLastError();
        return;
    }
    win32::FileHandle thread(info.hThread);
    process_.Reset(info.hProcess);
    processId_ = info.dwProcessId;
}

ChildProcess::~ChildProcess() {
    if (process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.Get(), 1);
        WaitForSingleObject(process_.Get(), 5000);
    }
}

ChildRun ChildProcess::Wait(DWORD timeoutMs) {
    ChildRun result;
    result.started = Started();
    result.startError = startError_;
    if (!result.started) return result;
    const DWORD start = GetTickCount();
    for (;;) {
        // Look for dialogs before each wait: a box shown just before the end
        // is still seen.
        while (AnswerDialogOf(processId_, result.dialogs)) {
        }
        if (WaitForSingleObject(process_.Get(), 10) == WAIT_OBJECT_0) break;
        if (GetTickCount() - start > timeoutMs) {
            TerminateProcess(process_.Get(), 1);
            WaitForSingleObject(process_.Get(), 5000);
            return result;
        }
    }
    result.finished = true;
    GetExitCodeProcess(process_.Get(), &result.exitCode);
    return result;
}

bool ChildProcess::WaitQuietly(DWORD timeoutMs) {
    if (!Started()) return false;
    if (WaitForSingleObject(process_.Get(), timeoutMs) == WAIT_OBJECT_0) return true;
    TerminateProcess(process_.Get(), 1);
    WaitForSingleObject(process_.Get(), 5000);
    return false;
}

}  // namespace morvane::test
