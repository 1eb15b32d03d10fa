// The About dialog's links, clicked: the shell opens the target with the
// handler registered for it, the web-page handler stands in when the shell
// cannot, and the user hears and reads of it when neither can.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "harness/FileBytes.h"
#include "harness/Plugin.h"
#include "harness/ScratchFolder.h"
#include "res/ResourceIds.h"
#include "support/CleanRegistry.h"
#include "support/DialogScript.h"
#include "support/StoredLangSetting.h"
#include "win32/RegKey.h"
#include "winpatch/ImportPatch.h"

using namespace morvane;
using namespace morvane::test;
using uidriver::Step;

namespace {

std::atomic<int> gBeeps{0};
BOOL WINAPI CountBeep(UINT type) {
    if (type == MB_ICONEXCLAMATION) ++gBeeps;
    return TRUE;
}

// The command lines the fallback ran; each fails as a missing program would.
std::vector<std::string> gRun;
UINT WINAPI RecordWinExec(LPCSTR commandLine, UINT) {
    gRun.push_back(commandLine);
    return ERROR_FILE_NOT_FOUND;
}

// A default value of the classes root set for the test and put back after.
class ClassesValue {
public:
    ClassesValue(const std::string& key, const std::optional<std::string>& value) : key_(key) {
        win32::RegKey existing;
        char old[1024] = {};
        DWORD type = 0, size = sizeof old;
        existed_ = existing.Open(HKEY_CLASSES_ROOT, key.c_str(), KEY_READ) == ERROR_SUCCESS;
        if (existed_ && existing.QueryValue(static_cast<const char*>(nullptr), &type, old, &size) == ERROR_SUCCESS)
            old_ = old;
        Set(value);
    }
    ~ClassesValue() {
        if (existed_) {
            Set(old_);
        } else {
            RegDeleteTreeA(HKEY_CLASSES_ROOT, key_.c_str());
            RegDeleteKeyA(HKEY_CLASSES_ROOT, key_.c_str());
        }
    }
    ClassesValue(const ClassesValue&) = delete;
    ClassesValue& operator=(const ClassesValue&) = delete;

private:
    void Set(const std::optional<std::string>& value) const {
        if (!value) {
            RegDeleteKeyValueA(HKEY_CLASSES_ROOT, key_.c_str(), nullptr);
            return;
        }
        win32::RegKey key;
        if (key.Create(HKEY_CLASSES_ROOT, key_.c_str(), KEY_WRITE) == ERROR_SUCCESS)
            key.SetValue(static_cast<const char*>(nullptr), REG_SZ, value->c_str(),
                         static_cast<DWORD>(value->size() + 1));
    }

    std::string key_;
    bool existed_ = false;
    std::optional<std::string> old_;
};

class Hyperlinks : public CleanRegistryTest {
protected:
    void SetUp() override {
        CleanRegistryTest::SetUp();
        ASSERT_TRUE(folder_.IsReady());
        StoreLangSetting(REG_SZ, std::string("MV_eng.lng", 11));
    }

    std::string Marker() const { return folder_.Path() + "opened.txt"; }
    // A handler that writes what it was given to the marker file.
    std::string Recorder() const { return "C:\\windows\\system32\\cmd.exe /c echo>\"" + Marker() + "\""; }

    // What the marker holds once the handler has run; the handler runs in a
    // process of its own, so the file is waited for (a bound only against a
    // handler that never runs).
    std::string Opened() const {
        for (int i = 0; i < 300; ++i) {
            const std::optional<std::string> bytes = FileBytes(Marker());
            if (bytes && bytes->find('\n') != std::string::npos) {
                // echo keeps the blanks before the address.
                const size_t start = bytes->find_first_not_of(' ');
                return bytes->substr(start, bytes->find_first_of("\r\n") - start);
            }
            Sleep(20);
        }
        return std::string();
    }

    ScratchFolder folder_;
};

}  // namespace

TEST_F(Hyperlinks, ClickOpensTheTargetThroughTheShellOrTheWebPageHandler) {
    const std::string url = "https://www.example.org/morvane/";
    const std::string tooLong = std::string(520, 'x');
    struct Case {
        const char* what;
        int link;
        std::optional<std::string> https;  // the shell's handler of web addresses; none: one that fails
        std::optional<std::string> htm;    // the web-page handler
        std::string opened;                // empty: nothing opened
        std::string message;               // empty: none
    };
    const std::vector<Case> cases = {
        {"shell", IDC_HOME_LINK, Recorder() + " %1", std::nullopt, url, ""},
        {"shell, mail", IDC_MAIL_LINK, std::nullopt, std::nullopt, "mailto:mv@example.org", ""},
        {"web-page handler, quoted", IDC_HOME_LINK, std::nullopt, Recorder() + " \"%1\" --new", url, ""},
        {"web-page handler, bare", IDC_HOME_LINK, std::nullopt, Recorder() + " %1", url, ""},
        {"web-page handler, no room for the file", IDC_HOME_LINK, std::nullopt, Recorder(), url, ""},
        {"neither", IDC_HOME_LINK, std::nullopt, std::nullopt, "", "Failed to execute the command.\r\nError code: 2."},
        {"too long to run", IDC_HOME_LINK, std::nullopt, Recorder() + " " + tooLong + " \"%1\"", "",
         "Failed to execute the command.\r\nError code: 2."},
        // Nothing to run but the address itself.
        {"web-page handler, empty", IDC_HOME_LINK, std::nullopt, std::string(), "",
         "Failed to execute the command.\r\nError code: 2."},
        {"web-page handler, the file alone", IDC_HOME_LINK, std::nullopt, std::string(" \"%1\""), "",
         "Failed to execute the command.\r\nError code: 2."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileA(Marker().c_str());
        const std::string failing = "\"C:\\nowhere\\none.exe\" \"%1\"";
        ClassesValue https("https\\shell\\open\\command", c.https ? *c.https : failing);
        ClassesValue mail("mailto\\shell\\open\\command", Recorder() + " %1");
        ClassesValue htmType(".htm", c.htm ? std::optional<std::string>("mvtest.htm") : std::nullopt);
        ClassesValue htm("mvtest.htm\\shell\\open\\command", c.htm ? *c.htm : std::string());

        LoadedPlugin plugin;
        ASSERT_TRUE(plugin.IsLoaded());
        winpatch::ImportPatch beep(plugin.Handle(), "user32.dll", "MessageBeep",
                                   reinterpret_cast<const void*>(CountBeep));
        ASSERT_TRUE(beep.IsApplied());
        gBeeps = 0;
        // Only the failing cases watch the fallback: the others must run it.
        gRun.clear();
        std::optional<winpatch::ImportPatch> winExec;
        if (!c.message.empty()) {
            winExec.emplace(plugin.Handle(), "kernel32.dll", "WinExec", reinterpret_cast<const void*>(RecordWinExec));
            ASSERT_TRUE(winExec->IsApplied());
        }
        std::vector<Step> steps = {Step::Press(c.link)};
        if (!c.message.empty()) steps.push_back(Step::Answer(IDOK));
        steps.push_back(Step::Press(IDOK));
        DialogScript script(steps);
        std::string root = "\\", verb = "properties";
        plugin.Fs().FsExecuteFile(nullptr, root.data(), verb.data());

        const auto windows = script.Windows();
        if (c.message.empty()) {
            EXPECT_EQ(windows.size(), 1u);
            EXPECT_EQ(Opened(), c.opened);
            EXPECT_EQ(gBeeps, 0);
        } else {
            ASSERT_EQ(windows.size(), 2u);
            EXPECT_EQ(windows[1].text, c.message);
            EXPECT_EQ(windows[1].icon, static_cast<UINT>(MB_ICONEXCLAMATION));
            EXPECT_EQ(gBeeps, 1);
            EXPECT_FALSE(FileBytes(Marker())) << "nothing ran";
            EXPECT_TRUE(gRun.empty()) << "ran " << gRun.front();
        }
    }
}

namespace {

std::vector<HICON> gCopied, gDestroyedAsIcons, gDestroyedAsCursors;
const void* gCopyIcon = nullptr;
const void* gDestroyIcon = nullptr;
HICON WINAPI RecordCopyIcon(HICON icon) {
    const HICON copy = reinterpret_cast<HICON(WINAPI*)(HICON)>(const_cast<void*>(gCopyIcon))(icon);
    gCopied.push_back(copy);
    return copy;
}
BOOL WINAPI RecordDestroyIcon(HICON icon) {
    gDestroyedAsIcons.push_back(icon);
    return reinterpret_cast<BOOL(WINAPI*)(HICON)>(const_cast<void*>(gDestroyIcon))(icon);
}
BOOL WINAPI RecordDestroyCursor(HCURSOR cursor) {
    gDestroyedAsCursors.push_back(cursor);
    return TRUE;
}

}  // namespace

TEST_F(Hyperlinks, HandCursorCopiesAreReleasedAsIcons) {
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    winpatch::ImportPatch copy(plugin.Handle(), "user32.dll", "CopyIcon",
                               reinterpret_cast<const void*>(RecordCopyIcon));
    winpatch::ImportPatch destroy(plugin.Handle(), "user32.dll", "DestroyIcon",
                                  reinterpret_cast<const void*>(RecordDestroyIcon));
    // Absent from the imports when nothing is released as a cursor.
    winpatch::ImportPatch destroyCursor(plugin.Handle(), "user32.dll", "DestroyCursor",
                                        reinterpret_cast<const void*>(RecordDestroyCursor));
    ASSERT_TRUE(copy.IsApplied() && destroy.IsApplied());
    gCopyIcon = copy.Original();
    gDestroyIcon = destroy.Original();
    gCopied.clear();
    gDestroyedAsIcons.clear();
    gDestroyedAsCursors.clear();
    {
        DialogScript script({Step::Press(IDOK)});
        std::string root = "\\", verb = "properties";
        plugin.Fs().FsExecuteFile(nullptr, root.data(), verb.data());
    }
    EXPECT_EQ(gCopied.size(), 2u) << "one for each link";
    std::sort(gCopied.begin(), gCopied.end());
    std::sort(gDestroyedAsIcons.begin(), gDestroyedAsIcons.end());
    EXPECT_EQ(gDestroyedAsIcons, gCopied);
    EXPECT_TRUE(gDestroyedAsCursors.empty());
}
