#include "uidriver/Session.h"

#include <chrono>
#include <utility>

#include "uidriver/Actions.h"
#include "uidriver/ActiveWindow.h"
#include "uidriver/ReadWindow.h"
#include "uidriver/Screenshot.h"
#include "uidriver/WindowQuery.h"

namespace uidriver {
namespace {

// How often to look for a window while the thread shows none.
constexpr auto kLookAgain = std::chrono::milliseconds(10);
// A window that outlives this many safe answers is left alone.
constexpr int kMaxSafeAnswers = 3;

Event EventOf(EventKind kind, int window, Step step = {}) {
    Event event;
    event.kind = kind;
    event.window = window;
    event.step = std::move(step);
    return event;
}

}  // namespace

Session::Session(std::vector<Step> steps, DWORD thread, Observer observer)
    : thread_(thread), observer_(std::move(observer)), steps_(steps.begin(), steps.end()), worker_([this] { Run(); }) {}

Session::~Session() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

std::vector<Event> Session::Transcript() const {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait_for(lock, std::chrono::milliseconds(kFailsafeMs), [this] { return !busy_; });
    return transcript_;
}

std::vector<Step> Session::StepsLeft() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::vector<Step>(steps_.begin(), steps_.end());
}

void Session::Run() {
    try {
        Drive();
    } catch (...) {
        // Out of memory, or the observer failed: nothing more is driven, but
        // no reader may wait for it.
        std::lock_guard<std::mutex> lock(mutex_);
        busy_ = false;
    }
    changed_.notify_all();
}

void Session::Drive() {
    // The hook belongs to this thread and goes with it.
    Settler settler(thread_);
    for (;;) {
        const HWND window = ActiveWindow(thread_);
        bool acted = false;
        if (window) {
            SetBusy(true);
            acted = Handle(window, settler);
            SetBusy(false);
        }
        std::unique_lock<std::mutex> lock(mutex_);
        if (!acted) changed_.wait_for(lock, kLookAgain, [this] { return stop_; });
        if (stop_) return;
    }
}

bool Session::Handle(HWND window, Settler& settler) {
    for (auto it = known_.begin(); it != known_.end();) it = IsWindow(it->first) ? std::next(it) : known_.erase(it);

    auto known = known_.find(window);
    if (known == known_.end()) {
        // A window is read once its thread has finished setting it up.
        settler.Settle(window);
        if (ActiveWindow(thread_) != window) return true;
        known = known_.emplace(window, KnownWindow{nextOrdinal_++}).first;
        Event event = EventOf(EventKind::Appeared, known->second.ordinal);
        event.state = ReadWindow(window);
        Record(event);
    }
    Step step;
    if (known->second.abandoned || !NextStep(step)) return AnswerSafely(window, known->second, settler);
    TakeStep(window, known->second, step, settler);
    return true;
}

void Session::TakeStep(HWND window, KnownWindow& known, const Step& step, Settler& settler) {
    Event event = EventOf(EventKind::Acted, known.ordinal, step);
    if (step.kind == StepKind::Snapshot) {
        event.kind = EventKind::Snapshot;
        event.state = ReadWindow(window);
        Record(event);
        return;
    }
    if (step.kind == StepKind::Screenshot) {
        if (!SaveScreenshot(window, step.text, event.note)) event.kind = EventKind::Refused;
        Record(event);
        return;
    }
    event.note = Obstacle(window, step);
    if (!event.note.empty()) {
        event.kind = EventKind::Refused;
        known.abandoned = true;
        Record(event);
        return;
    }
    // Recorded before it is done: a window it ends lets its caller go on at
    // once, and what it prints should come after this.
    Record(event);
    event.note = Perform(window, step, settler);
    if (!event.note.empty()) {
        event.kind = EventKind::Refused;
        known.abandoned = true;
        Record(event);
    }
}

bool Session::AnswerSafely(HWND window, KnownWindow& known, Settler& settler) {
    if (known.safeAnswers >= kMaxSafeAnswers) return false;
    const int answer = SafeAnswerFor(window);
    Event event = EventOf(EventKind::Acted, known.ordinal, Step::Answer(answer));
    event.scripted = false;
    Record(event);
    GiveAnswer(window, answer, settler);
    if (++known.safeAnswers == kMaxSafeAnswers && ActiveWindow(thread_) == window) {
        event.kind = EventKind::Refused;
        event.note = "the window stays open";
        Record(event);
    }
    return true;
}

bool Session::NextStep(Step& step) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (steps_.empty()) return false;
    step = std::move(steps_.front());
    steps_.pop_front();
    return true;
}

void Session::Record(Event event) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        transcript_.push_back(event);
    }
    if (observer_) observer_(event);
}

void Session::SetBusy(bool busy) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        busy_ = busy;
    }
    changed_.notify_all();
}

}  // namespace uidriver
