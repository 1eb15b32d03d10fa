// A push button, check box or radio button of a dialog.
#pragma once

#include "ui/Wnd.h"

namespace morvane::ui {

class CButton : public CWnd {
public:
    // BST_CHECKED, BST_UNCHECKED or BST_INDETERMINATE; BST_UNCHECKED without a window.
    int GetCheck() const;
    void SetCheck(int state) const;
};

}  // namespace morvane::ui
