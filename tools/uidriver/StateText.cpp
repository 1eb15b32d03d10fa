#include "uidriver/StateText.h"

#include "uidriver/StandardIcon.h"
#include "uidriver/Step.h"

namespace uidriver {
namespace {

std::string KindWord(const ControlState& control) {
    switch (control.kind) {
        case ControlKind::Button: return "button";
        case ControlKind::Check: return "check";
        case ControlKind::Radio: return "radio";
        case ControlKind::Group: return "group";
        case ControlKind::Static: return "static";
        case ControlKind::Icon: return "icon";
        case ControlKind::Bitmap: return "bitmap";
        case ControlKind::Frame: return "frame";
        case ControlKind::Edit: return "edit";
        case ControlKind::Combo: return "combo";
        case ControlKind::List: return "list";
        case ControlKind::Other: break;
    }
    return control.className.empty() ? "other" : control.className;
}

// Quoted on one line: a line break inside shows as \n.
std::string Quoted(const std::string& utf8) {
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else {
            out += c;
        }
    }
    return out + "\"";
}

const char* CheckWord(int checked) {
    switch (checked) {
        case BST_CHECKED: return "checked";
        case BST_INDETERMINATE: return "indeterminate";
        default: return "unchecked";
    }
}

std::string ItemsText(const ControlState& control) {
    std::string out = "items:";
    for (const std::string& item : control.items) out += " " + item;
    const bool selected = control.selected >= 0 && static_cast<size_t>(control.selected) < control.items.size();
    return out + " [selected " + (selected ? control.items[control.selected] : "none") + "]";
}

// Every line of the text indented under the heading.
std::string IndentedLines(const std::string& utf8) {
    std::string out = "  ";
    for (char c : utf8) {
        if (c == '\r') continue;
        out += c;
        if (c == '\n') out += "  ";
    }
    return out + "\n";
}

std::string MessageBoxText(const WindowState& state) {
    std::string out = "[message box] " + state.caption + "\n" + IndentedLines(state.text);
    out += "  buttons:";
    for (int id : state.buttons) out += " " + ButtonWord(id);
    if (state.defaultButton) out += " (default " + ButtonWord(state.defaultButton) + ")";
    return out + ", icon: " + StandardIconName(state.icon) + "\n";
}

// One control's line, without indentation or line break.
std::string ControlText(const ControlState& control) {
    std::string out = std::to_string(control.id) + " " + KindWord(control) + " " + Quoted(control.text);
    out += control.enabled ? " enabled" : " disabled";
    if (!control.visible) out += " hidden";
    if (control.kind == ControlKind::Edit && (control.style & ES_READONLY)) out += " read-only";
    if (control.kind == ControlKind::Check || control.kind == ControlKind::Radio)
        out += std::string(" ") + CheckWord(control.checked);
    if (control.isDefault) out += " default";
    if (control.kind == ControlKind::Combo || control.kind == ControlKind::List) out += " " + ItemsText(control);
    if (control.kind == ControlKind::Icon) out += std::string(" ") + StandardIconName(control.icon);
    return out;
}

}  // namespace

std::string StateText(const WindowState& state) {
    if (state.isMessageBox) return MessageBoxText(state);
    std::string out = "[dialog] " + state.caption + "\n";
    for (const ControlState& control : state.controls) out += "  " + ControlText(control) + "\n";
    return out;
}

}  // namespace uidriver
