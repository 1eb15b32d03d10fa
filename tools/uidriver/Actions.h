// What a user does to the window in front, done the way the user's mouse and
// keyboard do it: the window's own thread gets the same messages and
// notifications. The driver never waits inside the window's handlers (a
// click may open a nested modal box); it waits until the thread has settled.
#pragma once

#include <windows.h>

#include <string>

#include "uidriver/Settler.h"
#include "uidriver/Step.h"

namespace uidriver {

// Why a user could not take `step` on `window` now (no such control, a
// disabled one, no such entry...); empty when the step can be taken.
// Snapshots and screenshots are not actions.
std::string Obstacle(HWND window, const Step& step);

// Takes a step that has no obstacle and waits until the window's thread has
// handled it. Answers why it had no effect (a check box that stayed as it was,
// a window that stayed open on Escape), empty when it took effect.
std::string Perform(HWND window, const Step& step, Settler& settler);

// The answer that changes nothing: for a message box No, else Cancel, else
// OK; for a dialog Cancel.
int SafeAnswerFor(HWND window);
// Presses that button, or sends its command as Escape does when the window has
// no such button, then waits until the thread has handled it.
void GiveAnswer(HWND window, int id, Settler& settler);

}  // namespace uidriver
