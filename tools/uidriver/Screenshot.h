// A picture of a window as the screen shows it. It needs a display: Wine's
// X11 driver (under Xvfb, best with a virtual desktop) has one, its null
// graphics driver has none, and then nothing is written.
#pragma once

#include <windows.h>

#include <string>

namespace uidriver {

// Writes the window's part of the screen, frame and caption included, to a
// BMP file and answers its size in `note` ("283x88"); on failure answers
// false and says why in `note`.
bool SaveScreenshot(HWND window, const std::string& path, std::string& note);

}  // namespace uidriver
