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

    const std::string& AppTitle() const { return m_strAppTitle; }
    // A modal message box on the calling thread; answers the button pressed,
    // or 0 when the box could not be shown.
    int ShowMessage(const std::string& text, UINT type) const;

private:
    std::string m_strAppTitle;
};

}  // namespace morvane::win32
