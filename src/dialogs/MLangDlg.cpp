#include "dialogs/MLangDlg.h"

#include <string>

namespace morvane {

void CMLangDlg::TranslateControls(const LangControl* table) {
    if (!table) return;
    std::string text;
    for (const LangControl* entry = table; entry->controlId != 0; ++entry) {
        if (!m_lang.GetLangString(entry->textId, text)) continue;
        if (entry->controlId == kCaptionControl) SetWindowText(text);
        // Looked up for the caption's entry too: a template with a child of
        // that identifier would get the text as well.
        if (HWND control = GetDlgItem(entry->controlId)) ::SetWindowTextA(control, text.c_str());
    }
}

}  // namespace morvane
