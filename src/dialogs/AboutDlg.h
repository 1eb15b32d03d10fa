// About the plug-in: version, links and the way to the settings.
#pragma once

#include <windows.h>

namespace morvane {

class CAboutDlg {
public:
    CAboutDlg() = default;
    INT_PTR DoModal();
};

}  // namespace morvane
