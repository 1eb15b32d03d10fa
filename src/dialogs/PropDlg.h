// Properties of one catalogued image.
#pragma once

#include <windows.h>

#include <string>

#include "catalogue/StoredImage.h"

namespace morvane {

class CPropDlg {
public:
    // Looks `name` up in the catalogue; remembers when it is not there.
    CPropDlg(const std::string& name, HWND parent);
    // An unknown entry shows the file-not-found message instead of a dialog.
    INT_PTR DoModal();

private:
    HWND m_hParent;
    bool m_bNotFound = false;
    StoredImage m_image{std::string(), EmptyFileInfo()};
};

}  // namespace morvane
