// A static text of a dialog turned into a link: blue and underlined, a hand
// for the pointer, and a click opens its target with the system's handler
// (a web page in the browser, a mail address in the mail program).
#pragma once

#include <windows.h>

#include <string>

#include "dialogs/DialogHost.h"
#include "ui/Static.h"
#include "win32/UniqueHandle.h"

namespace morvane {

class CHyperLink : public ui::CStatic {
public:
    // `host` tells the user when the target cannot be opened.
    explicit CHyperLink(const DialogHost& host) : m_host(host) {}

    // The target handed to the system; the window text when it is still
    // empty at attaching. Owners may change it at any time.
    std::string m_url;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    HBRUSH OnReflectedCtlColor(HDC dc, UINT ctlType) override;
    bool OnReflectedCommand(WORD code) override;

private:
    void LoadHandCursor();
    void OnMouseMove(WPARAM flags, LPARAM point);
    void OnClicked();
    // The shell's answer, or the fallback's: above 32 is success.
    INT_PTR OpenLink(const std::string& url, int showCommand) const;
    void ReportLinkError(INT_PTR code) const;

    const DialogHost& m_host;
    bool m_bTracking = false;
    win32::GdiObject m_font;
    // A copy made by CopyIcon, which DestroyIcon releases.
    win32::IconHandle m_hHandCursor;
};

}  // namespace morvane
