#include "dialogs/HyperLink.h"

#include <shellapi.h>
#include <windowsx.h>

#include "dialogs/LinkCommand.h"
#include "lang/TextFormat.h"
#include "win32/AnsiText.h"
#include "win32/RegKey.h"
#include "win32/RegistryString.h"

namespace morvane {
namespace {

constexpr COLORREF kLinkColour = RGB(0, 0, 255);
constexpr WORD kHelpHandCursor = 106;

// The default value of `subkey` under `root`, a string of up to 259
// characters, in the code page that WinExec takes; nothing when there is none.
std::optional<std::string> ReadRegistryDefault(HKEY root, const std::string& subkey) {
    win32::RegKey key;
    if (key.Open(root, subkey.c_str(), KEY_QUERY_VALUE) != ERROR_SUCCESS) return std::nullopt;
    const std::optional<std::wstring> value =
        win32::ReadRegistryString(key, nullptr, MAX_PATH * sizeof(wchar_t), false);
    if (!value) return std::nullopt;
    return win32::AnsiText(*value);
}

}  // namespace

void CHyperLink::PreSubclassWindow() {
    ModifyStyle(0, SS_NOTIFY);
    // Addresses are ASCII.
    if (m_url.empty()) m_url = win32::AnsiText(GetWindowText());
    if (GetWindowText().empty()) SetWindowText(win32::WideText(m_url));

    const auto font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    LOGFONTA look{};
    if (font && GetObjectA(font, sizeof look, &look) == sizeof look) {
        look.lfUnderline = TRUE;
        m_font.Reset(CreateFontIndirectA(&look));
        if (m_font) SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.Get()), TRUE);
    }
    LoadHandCursor();
}

// The old help program's hand, which matches the look of old links; the
// system's own hand where that is gone (current systems, Wine).
void CHyperLink::LoadHandCursor() {
    if (m_hHandCursor) return;
    char windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        const win32::Module help(LoadLibraryExA((std::string(windows, length) + "\\winhlp32.exe").c_str(), nullptr,
                                                LOAD_LIBRARY_AS_DATAFILE));
        if (help) {
            if (HCURSOR hand = LoadCursorA(help.Get(), MAKEINTRESOURCEA(kHelpHandCursor)))
                m_hHandCursor.Reset(CopyIcon(hand));
        }
    }
    if (!m_hHandCursor) m_hHandCursor.Reset(CopyIcon(LoadCursorA(nullptr, IDC_HAND)));
}

LRESULT CHyperLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR && m_hHandCursor) {
        SetCursor(m_hHandCursor.Get());
        return TRUE;
    }
    if (message == WM_MOUSEMOVE) {
        const LRESULT result = CStatic::WindowProc(message, wParam, lParam);
        OnMouseMove(wParam, lParam);
        return result;
    }
    return CStatic::WindowProc(message, wParam, lParam);
}

// The capture tells the control when the pointer leaves it again.
void CHyperLink::OnMouseMove(WPARAM, LPARAM point) {
    if (!m_bTracking) {
        m_bTracking = true;
        SetCapture(m_hWnd);
        return;
    }
    RECT client{};
    GetClientRect(m_hWnd, &client);
    const POINT where{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    if (!PtInRect(&client, where)) {
        m_bTracking = false;
        ReleaseCapture();
    }
}

HBRUSH CHyperLink::OnReflectedCtlColor(HDC dc, UINT) {
    SetTextColor(dc, kLinkColour);
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

bool CHyperLink::OnReflectedCommand(WORD code) {
    if (code != STN_CLICKED) return false;
    OnClicked();
    return true;
}

void CHyperLink::OnClicked() {
    const INT_PTR result = OpenLink(m_url, SW_SHOW);
    if (result > 32) return;
    MessageBeep(MB_ICONEXCLAMATION);
    ReportLinkError(result);
}

INT_PTR CHyperLink::OpenLink(const std::string& url, int showCommand) const {
    const auto shell =
        reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, showCommand));
    if (shell > 32) return shell;
    // Through the program that opens web pages.
    const std::optional<std::string> type = ReadRegistryDefault(HKEY_CLASSES_ROOT, ".htm");
    if (!type) return shell;
    const std::optional<std::string> handler = ReadRegistryDefault(HKEY_CLASSES_ROOT, *type + "\\shell\\open\\command");
    if (!handler) return shell;
    const std::optional<std::string> command = LinkCommandLine(*handler, url);
    if (!command) return shell;
    return WinExec(command->c_str(), static_cast<UINT>(showCommand));
}

void CHyperLink::ReportLinkError(INT_PTR code) const {
    const std::wstring text = FormatText(m_host.Text(TextId::CommandFailed), {TextArg(static_cast<int>(code))});
    m_host.ShowMessage(text, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace morvane
