// Properties of one catalogued image.
#pragma once

#include <windows.h>

#include <string>

#include "catalogue/StoredImage.h"
#include "plugin/MorvaneApp.h"

namespace morvane {

class CPropDlg {
public:
    // Looks `name` up in the catalogue; remembers when it is not there.
    CPropDlg(CMorvaneApp& app, const std::string& name, HWND parent);
    // An unknown entry shows the file-not-found message instead of a dialog.
    INT_PTR DoModal();

private:
    CMorvaneApp& m_app;
    HWND m_hParent;
    bool m_bNotFound = false;
    StoredImage m_image{std::string(), EmptyFileInfo()};
};

}  // namespace morvane
