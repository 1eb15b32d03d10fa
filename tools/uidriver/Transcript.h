// What a scripted session saw and did, in order: the caller reads it on its
// own thread afterwards, and may print it as it happens.
#pragma once

#include <string>

#include "uidriver/Step.h"
#include "uidriver/WindowState.h"

namespace uidriver {

enum class EventKind {
    Appeared,  // a window came up: `state` as it was then
    Acted,     // `step` was taken on the window
    Refused,   // `step` could not be taken or had no effect: `note` says why
    Snapshot,  // `state` as a snapshot step recorded it
};

struct Event {
    EventKind kind = EventKind::Appeared;
    // Which window, counted from 0 in the order they appeared.
    int window = 0;
    WindowState state;
    Step step;
    // False for the safe answer given to a window the script had no step for.
    bool scripted = true;
    // Acted: a detail of the result (a screenshot's size); Refused: the reason.
    std::string note;
};

// As a user reads it, ending with a line break: a window's state, "  -> No",
// "  -> shot x.bmp (283x88)", "  (not done: check 1004: control 1004 is disabled)".
std::string EventText(const Event& event);

}  // namespace uidriver
