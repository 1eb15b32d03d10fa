// The driver that mvhost and the tests operate dialogs with, against a dialog
// of every control kind the plug-in's dialogs use, run modally on the test's
// thread as the plug-in runs its own.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "harness/FileBytes.h"
#include "harness/Plugin.h"
#include "support/DialogScript.h"
#include "uidriver/StateText.h"

using namespace morvane::test;
using uidriver::Step;

namespace {

constexpr int kCombo = 1001, kCheck = 1002, kSlow = 1004, kFast = 1005, kAsk = 1006, kLater = 1010, kLink = 1011,
              kHidden = 1013, kMixed = 1014;

// An in-memory dialog template: header, then each item on a DWORD boundary.
class Template {
public:
    explicit Template(const char* caption) {
        Dword(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU);
        Dword(0);
        words_.push_back(0);  // item count, set as items are added
        for (WORD v : {10, 10, 220, 160}) words_.push_back(v);
        words_.push_back(0);  // no menu
        words_.push_back(0);  // the dialog class
        Text(caption);
    }
    Template& Item(int id, WORD classAtom, const char* text, DWORD style, short x, short y, short cx, short cy) {
        if (words_.size() % 2) words_.push_back(0);
        Dword(WS_CHILD | WS_VISIBLE | style);
        Dword(0);
        for (short v : {x, y, cx, cy}) words_.push_back(static_cast<WORD>(v));
        words_.push_back(static_cast<WORD>(id));
        words_.push_back(0xFFFF);
        words_.push_back(classAtom);
        Text(text);
        words_.push_back(0);  // no creation data
        ++words_[4];
        return *this;
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Dword(DWORD v) {
        words_.push_back(LOWORD(v));
        words_.push_back(HIWORD(v));
    }
    void Text(const char* ascii) {
        while (*ascii) words_.push_back(static_cast<WORD>(*ascii++));
        words_.push_back(0);
    }
    std::vector<WORD> words_;
};

constexpr WORD kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kListBox = 0x83, kComboBox = 0x85;

const Template& TestDialog() {
    static const Template dialog =
        Template("Driver test")
            .Item(kCombo, kComboBox, "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 10, 10, 100, 60)
            .Item(kCheck, kButton, "&Remember", BS_AUTOCHECKBOX | WS_TABSTOP, 10, 28, 60, 10)
            .Item(kMixed, kButton, "&Mixed", BS_AUTO3STATE | WS_TABSTOP, 70, 28, 40, 10)
            .Item(1003, kButton, "Speed", BS_GROUPBOX, 10, 42, 100, 40)
            .Item(kSlow, kButton, "&Slow", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 16, 54, 80, 10)
            .Item(kFast, kButton, "&Fast", BS_AUTORADIOBUTTON, 16, 66, 80, 10)
            .Item(0xFFFF, kStatic, "Name:", SS_LEFT | WS_GROUP, 120, 10, 40, 10)
            .Item(1008, kEdit, "disk.iso", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 120, 22, 90, 12)
            .Item(1009, kStatic, "", SS_ICON, 120, 40, 20, 20)
            .Item(kAsk, kButton, "&Ask...", BS_PUSHBUTTON | WS_TABSTOP, 120, 66, 50, 14)
            .Item(kLater, kButton, "&Later", BS_PUSHBUTTON | WS_DISABLED, 10, 90, 50, 14)
            .Item(kLink, kStatic, "&Link", SS_NOTIFY, 70, 92, 40, 10)
            .Item(1012, kListBox, "", LBS_NOTIFY | WS_BORDER | WS_TABSTOP, 10, 108, 60, 30)
            .Item(kHidden, kStatic, "Secret", SS_LEFT, 80, 110, 30, 10)
            .Item(1015, kStatic, "", SS_ETCHEDHORZ, 10, 140, 200, 1)
            .Item(IDOK, kButton, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 110, 144, 50, 14)
            .Item(IDCANCEL, kButton, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 165, 144, 50, 14);
    return dialog;
}

// Logs what reaches the dialog: notifications, the nested box's answer and the
// values it ends with on OK.
INT_PTR CALLBACK TestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        for (const char* entry : {"Alpha", "Beta", "Gamma"})
            SendDlgItemMessageA(dialog, kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        SendDlgItemMessageA(dialog, kCombo, CB_SETCURSEL, 0, 0);
        CheckRadioButton(dialog, kSlow, kFast, kSlow);
        CheckDlgButton(dialog, kMixed, BST_INDETERMINATE);
        for (const char* entry : {"One", "Two"})
            SendDlgItemMessageA(dialog, 1012, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        SendDlgItemMessageA(dialog, 1012, LB_SETCURSEL, 1, 0);
        ShowWindow(GetDlgItem(dialog, kHidden), SW_HIDE);
        SendDlgItemMessageA(dialog, 1009, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_ASTERISK)), 0);
        return TRUE;
    }
    auto* log = reinterpret_cast<std::vector<std::string>*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (message != WM_COMMAND || !log) return FALSE;
    const int id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == kCombo && code == CBN_SELCHANGE) {
        log->push_back("1001 selchange");
    } else if ((id == kCheck || id == kMixed || id == kSlow || id == kFast || id == kLink) && code == BN_CLICKED) {
        log->push_back(std::to_string(id) + " clicked");
    } else if (id == kAsk) {
        log->push_back("ask " + std::to_string(MessageBoxA(dialog, "Really?", "Ask", MB_YESNO | MB_ICONQUESTION)));
    } else if (id == IDOK) {
        log->push_back("ok combo=" + std::to_string(SendDlgItemMessageA(dialog, kCombo, CB_GETCURSEL, 0, 0)) +
                       " check=" + std::to_string(IsDlgButtonChecked(dialog, kCheck)) +
                       " radio=" + std::to_string(IsDlgButtonChecked(dialog, kFast) ? kFast : kSlow) +
                       " mixed=" + std::to_string(IsDlgButtonChecked(dialog, kMixed)));
        EndDialog(dialog, IDOK);
    } else if (id == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
    }
    return TRUE;
}

INT_PTR RunTestDialog(std::vector<std::string>& log) {
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), TestDialog().Get(), nullptr, TestDialogProc,
                                   reinterpret_cast<LPARAM>(&log));
}

const char kNestedBox[] = "[message box] Ask\n  Really?\n  buttons: Yes No (default Yes), icon: question\n";

}  // namespace

TEST(UiDriver, ReadsEveryControlKindAsTheUserSeesIt) {
    DialogScript script({Step::Escape()});
    std::vector<std::string> log;
    ASSERT_EQ(RunTestDialog(log), IDCANCEL);
    const auto windows = script.Windows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(uidriver::StateText(windows[0]),
              "[dialog] Driver test\n"
              "  1001 combo \"Alpha\" enabled items: Alpha Beta Gamma [selected Alpha]\n"
              "  1002 check \"&Remember\" enabled unchecked\n"
              "  1014 check \"&Mixed\" enabled indeterminate\n"
              "  1003 group \"Speed\" enabled\n"
              "  1004 radio \"&Slow\" enabled checked\n"
              "  1005 radio \"&Fast\" enabled unchecked\n"
              "  65535 static \"Name:\" enabled\n"
              "  1008 edit \"disk.iso\" enabled\n"
              "  1009 icon \"\" enabled information\n"
              "  1006 button \"&Ask...\" enabled\n"
              "  1010 button \"&Later\" disabled\n"
              "  1011 static \"&Link\" enabled\n"
              "  1012 list \"\" enabled items: One Two [selected Two]\n"
              "  1013 static \"Secret\" enabled hidden\n"
              "  1015 frame \"\" enabled\n"
              "  1 button \"OK\" enabled default\n"
              "  2 button \"Cancel\" enabled\n");
}

TEST(UiDriver, StepsActAsTheUserWouldAndTheRestIsCancelled) {
    struct Case {
        const char* name;
        std::vector<Step> steps;
        INT_PTR result;
        std::vector<std::string> log;
        std::vector<std::string> events;
    };
    const std::vector<Case> cases = {
        {"pick by text, check, choose a radio, OK",
         {Step::Pick(kCombo, "Gamma"), Step::Check(kCheck), Step::Check(kFast), Step::Press(IDOK)},
         IDOK,
         {"1001 selchange", "1002 clicked", "1005 clicked", "ok combo=2 check=1 radio=1005 mixed=2"},
         {"  -> pick 1001=Gamma\n", "  -> check 1002\n", "  -> check 1005\n", "  -> press 1\n"}},
        {"pick by index, check and clear",
         {Step::PickIndex(kCombo, 1), Step::Check(kCheck), Step::Uncheck(kCheck), Step::Answer(IDOK)},
         IDOK,
         {"1001 selchange", "1002 clicked", "1002 clicked", "ok combo=1 check=0 radio=1004 mixed=2"},
         {"  -> pick 1001#1\n", "  -> check 1002\n", "  -> uncheck 1002\n", "  -> OK\n"}},
        {"a nested box is found and answered",
         {Step::Press(kAsk), Step::Answer(IDYES), Step::Press(IDOK)},
         IDOK,
         {"ask 6", "ok combo=0 check=0 radio=1004 mixed=2"},
         {"  -> press 1006\n", kNestedBox, "  -> Yes\n", "  -> press 1\n"}},
        {"a three-state check box takes the clicks it needs",
         {Step::Check(kMixed), Step::Press(IDOK)},
         IDOK,
         {"1014 clicked", "1014 clicked", "ok combo=0 check=0 radio=1004 mixed=1"},
         {"  -> check 1014\n", "  -> press 1\n"}},
        {"a label that takes clicks",
         {Step::Press(kLink), Step::Press(IDOK)},
         IDOK,
         {"1011 clicked", "ok combo=0 check=0 radio=1004 mixed=2"},
         {"  -> press 1011\n", "  -> press 1\n"}},
        {"Escape", {Step::Escape()}, IDCANCEL, {}, {"  -> escape\n"}},
        {"the close box", {Step::Close()}, IDCANCEL, {}, {"  -> close\n"}},
        {"no steps", {}, IDCANCEL, {}, {"  -> Cancel\n"}},
        {"a nested box without steps",
         {Step::Press(kAsk)},
         IDCANCEL,
         {"ask 7"},
         {"  -> press 1006\n", kNestedBox, "  -> No\n", "  -> Cancel\n"}},
        {"no such entry",
         {Step::Pick(kCombo, "Zeta"), Step::Press(IDOK)},
         IDCANCEL,
         {},
         {"  (not done: pick 1001=Zeta: control 1001 has no entry \"Zeta\")\n", "  -> Cancel\n"}},
        {"a disabled button",
         {Step::Press(kLater)},
         IDCANCEL,
         {},
         {"  (not done: press 1010: control 1010 is disabled)\n", "  -> Cancel\n"}},
        {"a hidden control",
         {Step::Press(kHidden)},
         IDCANCEL,
         {},
         {"  (not done: press 1013: control 1013 is hidden)\n", "  -> Cancel\n"}},
        {"a radio button cannot be cleared",
         {Step::Uncheck(kSlow)},
         IDCANCEL,
         {},
         {"  (not done: uncheck 1004: a click cannot clear radio button 1004)\n", "  -> Cancel\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DialogScript script(c.steps);
        std::vector<std::string> log;
        EXPECT_EQ(RunTestDialog(log), c.result);
        EXPECT_EQ(log, c.log);
        EXPECT_EQ(script.EventsAfterFirst(), c.events);
    }
}

// The suite runs without a display, where a screenshot must say why it wrote
// nothing; with one (Xvfb) it must write the window's picture.
TEST(UiDriver, ScreenshotWritesTheWindowOrSaysWhyNot) {
    const std::string path = TestProgramDirectory() + "ui_driver_shot.bmp";
    DeleteFileA(path.c_str());
    DialogScript script({Step::Screenshot(path)});
    std::vector<std::string> log;
    ASSERT_EQ(RunTestDialog(log), IDCANCEL);
    const auto events = script.EventsAfterFirst();
    const auto bytes = FileBytes(path);
    DeleteFileA(path.c_str());
    ASSERT_EQ(events.size(), 2u);
    if (!bytes) {
        // Whatever error number Wine chose for the unreadable screen.
        const std::string why = "  (not done: shot " + path + ": the screen cannot be read (error ";
        const std::string because = "): there is no display, as under Wine's null graphics driver)\n";
        EXPECT_EQ(events[0].rfind(why, 0), 0u) << events[0];
        EXPECT_GE(events[0].size(), why.size() + because.size()) << events[0];
        EXPECT_EQ(events[0].substr(events[0].size() - std::min(events[0].size(), because.size())), because);
        return;
    }
    BITMAPFILEHEADER header{};
    BITMAPINFOHEADER info{};
    ASSERT_GT(bytes->size(), sizeof header + sizeof info);
    std::memcpy(&header, bytes->data(), sizeof header);
    std::memcpy(&info, bytes->data() + sizeof header, sizeof info);
    EXPECT_EQ(header.bfType, 0x4D42);
    const size_t rowSize = (static_cast<size_t>(info.biWidth) * 3 + 3) & ~size_t{3};
    EXPECT_EQ(bytes->size(), header.bfOffBits + rowSize * static_cast<size_t>(info.biHeight));
    EXPECT_EQ(events[0],
              "  -> shot " + path + " (" + std::to_string(info.biWidth) + "x" + std::to_string(info.biHeight) + ")\n");
    // The window was drawn: not one colour throughout.
    bool twoColours = false;
    for (LONG y = 0; y < info.biHeight && !twoColours; ++y)
        for (LONG x = 0; x < info.biWidth && !twoColours; ++x)
            twoColours = bytes->compare(header.bfOffBits + y * rowSize + x * 3, 3, *bytes, header.bfOffBits, 3) != 0;
    EXPECT_TRUE(twoColours);
}
