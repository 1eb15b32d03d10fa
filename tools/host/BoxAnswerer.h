// Answers the message boxes (and any other modal dialog) that the plug-in
// shows on the host's thread: a second thread finds each one, prints its
// caption and text, and presses the next button given on the command line.
// Without an answer left it presses No, Cancel or OK, the safe choice, so
// that a script never hangs on a question nobody sees.
#pragma once

#include <windows.h>

#include <atomic>
#include <deque>
#include <string>
#include <thread>

namespace mvhost {

class BoxAnswerer {
public:
    // `answers` are button identifiers (IDYES, IDNO, IDOK, IDCANCEL).
    BoxAnswerer(std::deque<int> answers, DWORD thread);
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    int BoxesSeen() const { return seen_; }

private:
    void Run();
    bool AnswerOne();
    // Appends a note to `report` when the given answer cannot be taken.
    int NextAnswer(HWND box, std::string& report);

    DWORD thread_;
    std::deque<int> answers_;  // only the worker touches it after start
    std::atomic<int> seen_{0};
    std::atomic<bool> stop_{false};
    std::thread worker_;
};

}  // namespace mvhost
