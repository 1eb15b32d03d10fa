// A window as a user sees it: its caption and, for a dialog, every control in
// tab order; for a message box also its text, buttons and icon. Texts are in
// UTF-8, whatever the window holds.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace uidriver {

enum class ControlKind {
    Button,  // push button
    Check,   // check box, also a three-state one
    Radio,
    Group,   // group box
    Static,  // text
    Icon,
    Bitmap,
    Frame,  // a rectangle or an etched line
    Edit,
    Combo,
    List,
    Other,  // see the class name
};

struct ControlState {
    int id = 0;
    ControlKind kind = ControlKind::Other;
    std::string className;
    std::string text;
    bool enabled = false;
    bool visible = false;
    // A push button that Enter presses.
    bool isDefault = false;
    // Check boxes and radio buttons: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int checked = BST_UNCHECKED;
    // Combo and list boxes: every entry, and the selected one's index (-1: none).
    std::vector<std::string> items;
    int selected = -1;
    // Icons: the standard icon shown (MB_ICONEXCLAMATION, MB_ICONQUESTION,
    // MB_ICONINFORMATION, MB_ICONERROR), 0 for another or none.
    UINT icon = 0;
    DWORD style = 0;
};

struct WindowState {
    std::string caption;
    bool isMessageBox = false;
    // Message boxes: the text, the buttons' identifiers (IDOK, IDYES...) from
    // left to right, the one Enter presses (0: none) and the standard icon.
    std::string text;
    std::vector<int> buttons;
    int defaultButton = 0;
    UINT icon = 0;
    // Every control, message boxes' too.
    std::vector<ControlState> controls;
    DWORD style = 0;
    DWORD exStyle = 0;
    // The window that owns this one, and whether it took input at the time
    // (a modal window disables its owner).
    HWND owner = nullptr;
    bool ownerEnabled = false;

    // The control with that identifier, null when there is none.
    const ControlState* Control(int id) const {
        for (const ControlState& control : controls)
            if (control.id == id) return &control;
        return nullptr;
    }
};

}  // namespace uidriver
