// Owners of the handles only the driver opens: the screen's and a memory
// device context for screenshots, and the message hook that tells when a
// thread has settled.
#pragma once

#include <windows.h>

#include "win32/UniqueHandle.h"

namespace uidriver {

struct ScreenDcTraits {
    using Type = HDC;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { ReleaseDC(nullptr, h); }
};
using ScreenDc = morvane::win32::UniqueHandle<ScreenDcTraits>;

struct MemoryDcTraits {
    using Type = HDC;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { DeleteDC(h); }
};
using MemoryDc = morvane::win32::UniqueHandle<MemoryDcTraits>;

struct WindowsHookTraits {
    using Type = HHOOK;
    static Type Invalid() { return nullptr; }
    static bool IsValid(Type h) { return h != nullptr; }
    static void Close(Type h) { UnhookWindowsHookEx(h); }
};
using WindowsHook = morvane::win32::UniqueHandle<WindowsHookTraits>;

}  // namespace uidriver
