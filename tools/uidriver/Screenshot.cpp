#include "uidriver/Screenshot.h"

#include <chrono>
#include <cstdint>
#include <thread>
#include <vector>

#include "uidriver/BmpFile.h"
#include "uidriver/DriverHandles.h"
#include "uidriver/WindowQuery.h"
#include "win32/UniqueHandle.h"

namespace uidriver {
namespace {

// Larger than any screen: a bound on the bitmap, not a limit a window meets.
constexpr LONG kMaxSide = 16384;
constexpr size_t kMaxControls = 512;

bool NeedsPainting(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return true;
    size_t count = 0;
    for (HWND child = GetWindow(window, GW_CHILD); child && count < kMaxControls;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetUpdateRect(child, nullptr, FALSE)) return true;
        ++count;
    }
    return false;
}

// A thread paints only when its queue is otherwise empty, so a window that
// has just settled may not have painted yet.
void WaitUntilPainted(HWND window) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kFailsafeMs);
    while (NeedsPainting(window) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

}  // namespace

bool SaveScreenshot(HWND window, const std::string& path, std::string& note) {
    RECT place{};
    if (!GetWindowRect(window, &place)) {
        note = "the window is gone";
        return false;
    }
    const LONG width = place.right - place.left, height = place.bottom - place.top;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
        note = "the window has no size to picture";
        return false;
    }

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    ScreenDc screen(GetDC(nullptr));
    // The bitmap outlives the device context it is selected into.
    morvane::win32::GdiObject bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    MemoryDc dc(CreateCompatibleDC(screen.Get()));
    if (!screen || !bitmap || !bits || !dc || !SelectObject(dc.Get(), bitmap.Get())) {
        note = "no bitmap for the picture (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    WaitUntilPainted(window);
    if (!BitBlt(dc.Get(), 0, 0, width, height, screen.Get(), place.left, place.top, SRCCOPY | CAPTUREBLT)) {
        note = "the screen cannot be read (error " + std::to_string(GetLastError()) +
               "): there is no display, as under Wine's null graphics driver";
        return false;
    }
    GdiFlush();
    const uint32_t* first = static_cast<const uint32_t*>(bits);
    const std::vector<uint32_t> pixels(first, first + static_cast<size_t>(width) * static_cast<size_t>(height));
    if (!WriteBmpFile(path, width, height, pixels, note)) return false;
    note = std::to_string(width) + "x" + std::to_string(height);
    return true;
}

}  // namespace uidriver
