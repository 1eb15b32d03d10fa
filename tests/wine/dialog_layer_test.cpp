// The dialog layer runs the module's templates (linked into the test program
// too) modally, while a second thread works the dialog as a user would.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "res/ResourceIds.h"
#include "ui/ComboBox.h"
#include "ui/Dialog.h"
#include "ui/Static.h"

using namespace morvane::ui;

namespace {

using Command = std::pair<WORD, WORD>;

// The properties template with one member for each kind of exchange.
class PropertiesDialog : public CDialog {
public:
    PropertiesDialog() : CDialog(IDD_PROPERTIES, nullptr) {}

    std::wstring path = L"kept";
    int restore = 0;
    int mode = -1;
    int readOnly = 0;
    // Every command (id, notification code) that the dialog itself received.
    std::vector<Command> commands;

protected:
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Text(dx, IDC_PATH, path);
        DDX_Check(dx, IDC_RESTORE, restore);
        DDX_Radio(dx, IDC_MODE_HDD, mode);
        DDX_Check(dx, IDC_READ_ONLY, readOnly);
    }
    bool OnCommand(WORD id, WORD code, HWND) override {
        commands.emplace_back(id, code);
        return false;
    }
};

// A static text that, like a link, asks for its clicks and colours itself.
class LinkLikeStatic : public CStatic {
public:
    int clicks = 0;

    HBRUSH OnReflectedCtlColor(HDC dc, UINT ctlType) override {
        if (ctlType != CTLCOLOR_STATIC) return nullptr;
        SetTextColor(dc, RGB(0, 0, 255));
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    bool OnReflectedCommand(WORD code) override {
        if (code != STN_CLICKED) return false;
        ++clicks;
        return true;
    }

protected:
    void PreSubclassWindow() override { ModifyStyle(0, SS_NOTIFY); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_USER) throw std::runtime_error("a failing handler");
        return CStatic::WindowProc(message, wParam, lParam);
    }
};

class PropertiesWithLink : public PropertiesDialog {
public:
    LinkLikeStatic status;

protected:
    void DoDataExchange(CDataExchange& dx) override {
        PropertiesDialog::DoDataExchange(dx);
        DDX_Control(dx, IDC_MOUNT_STATE, status);
    }
    bool OnCommand(WORD id, WORD code, HWND control) override {
        if (id == IDC_SWITCH_STATE) throw std::runtime_error("a failing handler");
        return PropertiesDialog::OnCommand(id, code, control);
    }
};

class SettingsDialog : public CDialog {
public:
    SettingsDialog() : CDialog(IDD_SETTINGS, nullptr) {}

    int language = 0;
    CComboBox languages;

protected:
    void DoDataExchange(CDataExchange& dx) override {
        DDX_Control(dx, IDC_LANGUAGE, languages);
        DDX_CBIndex(dx, IDC_LANGUAGE, language);
    }
};

BOOL CALLBACK FindShownDialog(HWND hwnd, LPARAM out) {
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpA(name, "#32770") != 0 || !IsWindowVisible(hwnd)) return TRUE;
    *reinterpret_cast<HWND*>(out) = hwnd;
    return FALSE;
}

// Runs the dialog modally on this thread while `drive` works it from a second
// thread once it is shown; a dialog that `drive` leaves open gets WM_CLOSE.
INT_PTR RunDriven(CDialog& dialog, const std::function<void(HWND)>& drive) {
    const DWORD thread = GetCurrentThreadId();
    std::atomic<bool> ended{false};
    std::thread user([&] {
        HWND shown = nullptr;
        while (!ended && !shown) {
            EnumThreadWindows(thread, FindShownDialog, reinterpret_cast<LPARAM>(&shown));
            if (!shown) Sleep(5);
        }
        if (!shown) return;
        drive(shown);
        for (int i = 0; i < 200 && !ended; ++i) Sleep(10);
        if (!ended) PostMessageA(shown, WM_CLOSE, 0, 0);
    });
    const INT_PTR result = dialog.DoModal();
    ended = true;
    user.join();
    return result;
}

std::wstring TextOf(HWND dialog, int id) {
    wchar_t text[256] = {};
    GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

LRESULT Send(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(GetDlgItem(dialog, id), message, wParam, lParam);
}

void Click(HWND dialog, int id) { Send(dialog, id, BM_CLICK); }

// The check boxes and radio buttons of the properties template that are checked.
std::vector<int> CheckedButtons(HWND dialog) {
    std::vector<int> checked;
    for (int id : {IDC_RESTORE, IDC_MODE_HDD, IDC_MODE_FDD, IDC_MODE_CD, IDC_READ_ONLY}) {
        if (Send(dialog, id, BM_GETCHECK) == BST_CHECKED) checked.push_back(id);
    }
    return checked;
}

long Count(const std::vector<Command>& commands, Command command) {
    return static_cast<long>(std::count(commands.begin(), commands.end(), command));
}

}  // namespace

TEST(DialogLayer, ShowsTheMembersAndTakesThemBackOnOk) {
    PropertiesDialog dialog;
    // Beyond the code page: the windows are wide ones.
    dialog.path = L"C:\\Am\u00e9lie \u2603\\disc.iso";
    dialog.restore = 1;
    dialog.mode = 2;
    std::wstring shownPath;
    std::vector<int> shownChecked;
    const auto drive = [&](HWND d) {
        shownPath = TextOf(d, IDC_PATH);
        shownChecked = CheckedButtons(d);
        SetDlgItemTextW(d, IDC_PATH, L"D:\\Диски\\floppy.img");
        for (int id : {IDC_RESTORE, IDC_MODE_FDD, IDC_READ_ONLY, IDOK}) Click(d, id);
    };
    EXPECT_EQ(RunDriven(dialog, drive), IDOK);
    EXPECT_EQ(shownPath, L"C:\\Am\u00e9lie \u2603\\disc.iso");
    EXPECT_EQ(shownChecked, (std::vector<int>{IDC_RESTORE, IDC_MODE_CD}));
    EXPECT_EQ(dialog.path, L"D:\\Диски\\floppy.img");
    EXPECT_EQ(dialog.restore, 0);
    EXPECT_EQ(dialog.mode, 1);
    EXPECT_EQ(dialog.readOnly, 1);
}

TEST(DialogLayer, RadioIndexOutsideTheGroupChecksNoneAndNoneCheckedIsMinusOne) {
    struct Case {
        int shown;
        int clicked;  // 0: none
        int taken;
    };
    // 3 would be the read-only check box, the first control of the next group.
    const Case cases[] = {{-1, 0, -1}, {3, 0, -1}, {3, IDC_MODE_HDD, 0}};
    for (const Case& c : cases) {
        PropertiesDialog dialog;
        dialog.mode = c.shown;
        std::vector<int> checked{-1};
        RunDriven(dialog, [&](HWND d) {
            checked = CheckedButtons(d);
            if (c.clicked) Click(d, c.clicked);
            Click(d, IDOK);
        });
        EXPECT_TRUE(checked.empty()) << c.shown;
        EXPECT_EQ(dialog.mode, c.taken) << c.shown << " " << c.clicked;
    }
}

TEST(DialogLayer, InitialisationDataFillsTheListBeforeTheExchange) {
    SettingsDialog dialog;
    LRESULT count = 0;
    LRESULT selected = CB_ERR;
    std::wstring item;
    const auto drive = [&](HWND d) {
        count = Send(d, IDC_LANGUAGE, CB_GETCOUNT);
        selected = Send(d, IDC_LANGUAGE, CB_GETCURSEL);
        wchar_t text[64] = {};
        if (Send(d, IDC_LANGUAGE, CB_GETLBTEXTLEN) < 64) {
            Send(d, IDC_LANGUAGE, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
        }
        item = text;
        Send(d, IDC_LANGUAGE, CB_SETCURSEL, static_cast<WPARAM>(-1));
        Click(d, IDOK);
    };
    EXPECT_EQ(RunDriven(dialog, drive), IDOK);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(item, L"<main> (Russian)");
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(dialog.language, -1);
    EXPECT_EQ(dialog.languages.GetSafeHwnd(), nullptr) << "released with its window";
}

TEST(DialogLayer, EscapeAndTheCloseBoxArriveAsIdCancel) {
    struct Case {
        const char* how;
        std::function<void(HWND)> close;
        INT_PTR result;
        Command command;
        std::wstring path;
    };
    const Case cases[] = {
        {"Escape",
         [](HWND d) { PostMessageW(GetDlgItem(d, IDOK), WM_KEYDOWN, VK_ESCAPE, 0); },
         IDCANCEL,
         {IDCANCEL, BN_CLICKED},
         L"kept"},
        {"close box",
         [](HWND d) { PostMessageW(d, WM_SYSCOMMAND, SC_CLOSE, 0); },
         IDCANCEL,
         {IDCANCEL, BN_CLICKED},
         L"kept"},
        {"Close button", [](HWND d) { Click(d, IDCANCEL); }, IDCANCEL, {IDCANCEL, BN_CLICKED}, L"kept"},
        {"button 1", [](HWND d) { Click(d, IDOK); }, IDOK, {IDOK, BN_CLICKED}, L"typed"},
    };
    for (const Case& c : cases) {
        PropertiesDialog dialog;
        const auto drive = [&](HWND d) {
            SetDlgItemTextW(d, IDC_PATH, L"typed");
            c.close(d);
        };
        EXPECT_EQ(RunDriven(dialog, drive), c.result) << c.how;
        // Once, and by no other way.
        EXPECT_EQ(Count(dialog.commands, {IDOK, BN_CLICKED}) + Count(dialog.commands, {IDCANCEL, BN_CLICKED}), 1)
            << c.how;
        EXPECT_EQ(Count(dialog.commands, c.command), 1) << c.how;
        EXPECT_EQ(dialog.path, c.path) << c.how;
    }
}

TEST(DialogLayer, ABoundControlAnswersItsReflectedMessagesFirst) {
    PropertiesWithLink dialog;
    // The second run binds the control again to the new window.
    for (int run = 1; run <= 2; ++run) {
        dialog.commands.clear();
        LRESULT linkBrush = 0;
        LRESULT labelBrush = 0;
        COLORREF linkColour = 0;
        const auto drive = [&](HWND d) {
            const std::unique_ptr<HDC__, decltype(&DeleteDC)> dc(CreateCompatibleDC(nullptr), &DeleteDC);
            const auto request = [&](int id) {
                return SendMessageW(d, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                                    reinterpret_cast<LPARAM>(GetDlgItem(d, id)));
            };
            linkBrush = request(IDC_MOUNT_STATE);
            linkColour = GetTextColor(dc.get());
            labelBrush = request(IDC_PATH_LABEL);
            Send(d, IDC_MOUNT_STATE, WM_LBUTTONDOWN, MK_LBUTTON);
            Send(d, IDC_MOUNT_STATE, WM_LBUTTONUP);
            Send(d, IDC_MOUNT_STATE, WM_LBUTTONDBLCLK, MK_LBUTTON);
            // Posted, the handlers that throw run inside the dialog's own loop,
            // and in turn before the close.
            PostMessageW(GetDlgItem(d, IDC_MOUNT_STATE), WM_USER, 0, 0);
            PostMessageW(d, WM_COMMAND, IDC_SWITCH_STATE, 0);
            PostMessageW(d, WM_CLOSE, 0, 0);
        };
        EXPECT_EQ(RunDriven(dialog, drive), IDCANCEL) << run;
        EXPECT_EQ(linkBrush, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH))) << run;
        EXPECT_EQ(linkColour, RGB(0, 0, 255)) << run;
        EXPECT_NE(labelBrush, 0) << "the system's own colours for an unbound static";
        EXPECT_NE(labelBrush, linkBrush);
        EXPECT_EQ(dialog.status.clicks, run);
        EXPECT_EQ(Count(dialog.commands, {IDC_MOUNT_STATE, STN_CLICKED}), 0) << run;
        EXPECT_EQ(Count(dialog.commands, {IDC_MOUNT_STATE, STN_DBLCLK}), 1)
            << "a notification the control leaves goes on to the dialog";
        EXPECT_EQ(dialog.status.GetSafeHwnd(), nullptr) << "released with its window";
    }
}

TEST(DialogLayer, ADialogThatCannotBeSetUpAnswersMinusOneUnshown) {
    class Faulty : public CDialog {
    public:
        enum Fault { kNone, kMissingControl, kThrowingInit };
        Faulty(UINT templateId, Fault fault) : CDialog(templateId, nullptr), fault_(fault) {}

    protected:
        BOOL OnInitDialog() override {
            if (fault_ == kThrowingInit) throw std::runtime_error("a failing initialisation");
            return CDialog::OnInitDialog();
        }
        void DoDataExchange(CDataExchange& dx) override {
            if (fault_ == kMissingControl) DDX_Control(dx, IDC_PATH, control_);
        }

    private:
        Fault fault_;
        CStatic control_;
    };
    struct Case {
        const char* what;
        UINT templateId;
        Faulty::Fault fault;
    };
    const Case cases[] = {
        {"a template the module lacks", 999, Faulty::kNone},
        {"a control the template lacks", IDD_SETTINGS, Faulty::kMissingControl},
        {"an initialisation that throws", IDD_SETTINGS, Faulty::kThrowingInit},
    };
    for (const Case& c : cases) {
        Faulty dialog(c.templateId, c.fault);
        bool shown = false;
        EXPECT_EQ(RunDriven(dialog, [&](HWND) { shown = true; }), -1) << c.what;
        EXPECT_FALSE(shown) << c.what;
    }
}
