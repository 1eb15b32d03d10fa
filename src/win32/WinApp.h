// The little the plug-in needs of an application object: a title, taken from
// the module's file name at load, and message boxes captioned with it.
#pragma once

#include <windows.h>

#include <string>

namespace morvane::win32 {

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp() = default;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // A modal message box on the calling thread, owned as ModalOwner says,
    // with the host window of the current call as the fallback. Answers the
    // button pressed, or 0 when the box could not be shown.
    int ShowMessage(const std::wstring& text, UINT type) const;

    // The file manager's window for the duration of one call that hands it
    // over; the previous one is back when the scope ends.
    class HostWindowScope {
    public:
        HostWindowScope(CWinApp& app, HWND window) : app_(app), previous_(app.m_hHostWindow) {
            app.m_hHostWindow = window;
        }
        ~HostWindowScope() { app_.m_hHostWindow = previous_; }
        HostWindowScope(const HostWindowScope&) = delete;
        HostWindowScope& operator=(const HostWindowScope&) = delete;

    private:
        CWinApp& app_;
        HWND previous_;
    };

private:
    std::wstring m_strAppTitle;
    HWND m_hHostWindow = nullptr;
};

}  // namespace morvane::win32
