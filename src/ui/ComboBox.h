// A combo box of a dialog and its list of items, attached by its handle for
// the time it is filled or searched. Indexes are zero-based; CB_ERR (-1)
// stands for "none".
#pragma once

#include <string>

#include "ui/Wnd.h"

namespace morvane::ui {

class CComboBox : public CWnd {
public:
    using CWnd::CWnd;

    // The new item's index (a sorted list places it in order); CB_ERR or
    // CB_ERRSPACE when it was not added, CB_ERR also without a window.
    int AddString(const std::wstring& text) const;
    // CB_ERR without a window.
    int GetCount() const;
    // Selects the item and answers its index; CB_ERR for -1, which clears the
    // selection, and for an index outside the list.
    int SetCurSel(int index) const;
    // Empty for an index outside the list.
    std::wstring GetLBText(int index) const;
    // The first item, after `startAfter` and wrapping round (-1: from the
    // top), that begins with `prefix`, compared without regard to case; CB_ERR
    // when none does.
    int FindString(int startAfter, const std::wstring& prefix) const;
};

}  // namespace morvane::ui
