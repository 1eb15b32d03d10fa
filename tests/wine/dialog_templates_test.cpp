// The plug-in file carries its dialog templates with the controls in tab order
// and the texts the user reads, whatever code page the build ran in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/Plugin.h"
#include "res/ResourceIds.h"
#include "ui/DialogInitData.h"

using namespace morvane;
using namespace morvane::test;

namespace {

std::wstring TextOf(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

INT_PTR CALLBACK LeaveAllToTheSystem(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

TEST(DialogTemplates, ListTheirControlsInTabOrderWithRussianTexts) {
    struct Control {
        int id;
        const wchar_t* className;
        const wchar_t* text;
    };
    struct Template {
        UINT id;
        const wchar_t* caption;
        std::vector<Control> controls;
    };
    const Template templates[] = {
        {IDD_PROPERTIES,
         L"Свойства",
         {
             {IDOK, L"Button", L"&Подключить"},
             {IDCANCEL, L"Button", L"Закрыть"},
             {IDC_SWITCH_STATE, L"Button", L"Пе&реключить"},
             {IDC_MOUNT_STATE, L"Static", L"Образ отключён"},
             {IDC_MODE_GROUP, L"Button", L" Режим подключения "},
             {IDC_PATH_LABEL, L"Static", L"П&олный путь:"},
             {IDC_PATH, L"Edit", L""},
             {IDC_LETTER_LABEL, L"Static", L"&Буква диска:"},
             {IDC_LETTER, L"ComboBox", L""},
             {IDC_RESTORE, L"Button", L"&Восстанавливать при перезагрузке"},
             {IDC_MODE_HDD, L"Button", L"&HDD"},
             {IDC_MODE_FDD, L"Button", L"&FDD"},
             {IDC_MODE_CD, L"Button", L"&CD/DVD"},
             {IDC_READ_ONLY, L"Button", L"Только &чтение"},
         }},
        {IDD_SETTINGS,
         L"Настройки",
         {
             {IDC_LANGUAGE_LABEL, L"Static", L"&Язык интерфейса:"},
             {IDC_LANGUAGE, L"ComboBox", L""},
             {IDOK, L"Button", L"OK"},
             {IDCANCEL, L"Button", L"Отмена"},
         }},
    };
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    for (const Template& t : templates) {
        EXPECT_NE(FindResourceExW(plugin.Handle(), MAKEINTRESOURCEW(5), MAKEINTRESOURCEW(t.id),
                                  MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT)),
                  nullptr)
            << t.id;
        HWND dialog = CreateDialogParamW(plugin.Handle(), MAKEINTRESOURCEW(t.id), nullptr, LeaveAllToTheSystem, 0);
        ASSERT_NE(dialog, nullptr) << t.id;
        EXPECT_EQ(TextOf(dialog), t.caption);
        size_t i = 0;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++i) {
            ASSERT_LT(i, t.controls.size()) << t.id;
            EXPECT_EQ(GetDlgCtrlID(child), t.controls[i].id) << t.id << " #" << i;
            EXPECT_EQ(_wcsicmp(ClassOf(child).c_str(), t.controls[i].className), 0) << t.controls[i].id;
            EXPECT_EQ(TextOf(child), t.controls[i].text) << t.controls[i].id;
        }
        EXPECT_EQ(i, t.controls.size()) << t.id;
        DestroyWindow(dialog);
    }
    // The settings list gets its built-in entry from the template's initialisation data.
    EXPECT_NE(
        FindResourceA(plugin.Handle(), MAKEINTRESOURCEA(IDD_SETTINGS), MAKEINTRESOURCEA(ui::kDialogInitResourceType)),
        nullptr);
}

TEST(DialogTemplates, TabReachesEveryGroupOfThePropertiesDialog) {
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    HWND dialog =
        CreateDialogParamW(plugin.Handle(), MAKEINTRESOURCEW(IDD_PROPERTIES), nullptr, LeaveAllToTheSystem, 0);
    ASSERT_NE(dialog, nullptr);
    std::vector<int> stops;
    HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    for (HWND item = first; item && stops.size() < 20;) {
        stops.push_back(GetDlgCtrlID(item));
        item = GetNextDlgTabItem(dialog, item, FALSE);
        if (item == first) break;
    }
    EXPECT_EQ(stops,
              (std::vector<int>{IDOK, IDCANCEL, IDC_PATH, IDC_LETTER, IDC_RESTORE, IDC_MODE_HDD, IDC_READ_ONLY}));
    DestroyWindow(dialog);
}
