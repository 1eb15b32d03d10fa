// A scripted session with the dialogs and message boxes of one thread, run by
// a second thread while that one shows them modally: each window that comes
// up is recorded and takes the script's next steps, in order. A window left
// without steps gets the safe answer (see SafeAnswerFor), and so does one on
// which a step could not be taken, so that nothing waits for a user.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "uidriver/Settler.h"
#include "uidriver/Step.h"
#include "uidriver/Transcript.h"

namespace uidriver {

class Session {
public:
    // Called on the session's thread as each event is recorded.
    using Observer = std::function<void(const Event&)>;

    // Starts watching `thread`, a thread of this process.
    Session(std::vector<Step> steps, DWORD thread, Observer observer = nullptr);
    // Stops watching; steps not taken by then stay untaken.
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Everything recorded so far. Waits until the session has finished with
    // the window it is acting on (the modal call that showed it may return
    // before the session knows the outcome).
    std::vector<Event> Transcript() const;
    // The steps no window has taken yet.
    std::vector<Step> StepsLeft() const;

private:
    struct KnownWindow {
        int ordinal = 0;
        bool abandoned = false;  // a step failed: it only gets the safe answer
        int safeAnswers = 0;
    };

    void Run();
    void Drive();
    // False when nothing could be done and the caller should wait.
    bool Handle(HWND window, Settler& settler);
    void TakeStep(HWND window, KnownWindow& known, const Step& step, Settler& settler);
    bool AnswerSafely(HWND window, KnownWindow& known, Settler& settler);
    bool NextStep(Step& step);
    void Record(Event event);
    void SetBusy(bool busy);

    const DWORD thread_;
    const Observer observer_;
    // Only the session's thread touches these.
    std::map<HWND, KnownWindow> known_;
    int nextOrdinal_ = 0;

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::deque<Step> steps_;
    std::vector<Event> transcript_;
    bool busy_ = false;
    bool stop_ = false;
    std::thread worker_;
};

}  // namespace uidriver
