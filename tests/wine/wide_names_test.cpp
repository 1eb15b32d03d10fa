// Every name a user can have, through the wide calls the file manager makes:
// names and folders beyond the code page, paths of up to 1,023 characters,
// the narrow calls beside them, and renaming. Records of names the code page
// spells stay byte for byte as the narrow plug-in wrote them; for the others
// the record's fields in the code page still open the same file.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "catalogue/StoreKey.h"
#include "harness/DriveLetters.h"
#include "harness/Plugin.h"
#include "harness/ScratchFolder.h"
#include "harness/StandInDriver.h"
#include "harness/StoredRecords.h"
#include "plugin/ExportNames.h"
#include "plugin/FsPluginApi.h"
#include "plugin/PanelColumns.h"
#include "res/ResourceIds.h"
#include "support/CleanRegistry.h"
#include "support/DialogScript.h"
#include "support/FolderListing.h"
#include "support/MessageBoxWatcher.h"
#include "support/Rundll32.h"
#include "support/StandInFixture.h"
#include "win32/AnsiText.h"
#include "win32/RegKey.h"
#include "win32/UniqueHandle.h"
#include "winpatch/StandInDismount.h"

using namespace morvane;
using namespace morvane::test;

namespace {

constexpr int kImagePathField = 5;

std::wstring Long(const std::wstring& path) { return L"\\\\?\\" + path; }

// A file of zero bytes at `path`, and the folders on the way below `base`.
bool MakeFile(const std::wstring& base, const std::wstring& relative) {
    for (size_t at = relative.find(L'\\'); at != std::wstring::npos; at = relative.find(L'\\', at + 1))
        CreateDirectoryW(Long(base + relative.substr(0, at)).c_str(), nullptr);
    win32::FileHandle file(
        CreateFileW(Long(base + relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    return file.IsValid();
}

// Whether the two paths open one file.
bool SameFile(const std::string& ansiPath, const std::wstring& widePath) {
    const auto identity = [](HANDLE handle) {
        BY_HANDLE_FILE_INFORMATION info{};
        if (handle == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(handle, &info)) return std::wstring();
        return std::to_wstring(info.dwVolumeSerialNumber) + L":" + std::to_wstring(info.nFileIndexHigh) + L":" +
               std::to_wstring(info.nFileIndexLow);
    };
    const win32::FileHandle a(CreateFileA(ansiPath.c_str(), 0, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    const win32::FileHandle b(
        CreateFileW(Long(widePath).c_str(), 0, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    return a && b && identity(a.Get()) == identity(b.Get()) && !identity(a.Get()).empty();
}

class WideNames : public CleanRegistryTest {
protected:
    void SetUp() override {
        CleanRegistryTest::SetUp();
        ASSERT_TRUE(plugin_.IsLoaded());
        ASSERT_TRUE(folder_.IsReady());
        Fs().FsInit(1, nullptr, nullptr, nullptr);
        Fs().FsInitW(1, nullptr, nullptr, nullptr);
    }

    const PluginExports& Fs() const { return plugin_.Fs(); }
    std::wstring Folder() const { return win32::WideText(folder_.Path()); }

    int Put(const std::wstring& local, const std::wstring& remote, int flags = 0) const {
        std::wstring l = local, r = remote;
        return Fs().FsPutFileW(l.data(), r.data(), flags);
    }
    // The image path column of `name` after a listing, as the 64-bit file
    // manager asks for it.
    std::wstring PathColumn(const std::wstring& name) const {
        ListWideNames(Fs());
        std::wstring remote = L"\\" + name;
        wchar_t value[1100] = {};
        return Fs().FsContentGetValueW(remote.data(), kImagePathField, 0, value, sizeof value, 0) == kFieldStringW
                   ? value
                   : L"";
    }

    LoadedPlugin plugin_;
    ScratchFolder folder_;
};

}  // namespace

TEST_F(WideNames, RegisteredListedAndShownAsNamed) {
    struct Case {
        const wchar_t* relative;
        bool codePageSpellsIt;
    };
    const Case cases[] = {
        {L"Am\u00e9lie \u2603.iso", false},
        {L"\U0001F4BF disc.iso", false},  // beyond the Basic Multilingual Plane
        {L"\u0414\u0438\u0441\u043a.iso", true},
        {L"\u03a9 folder\\disk.iso", false},  // an ASCII name in a folder beyond the code page
    };
    for (const Case& c : cases) {
        const std::wstring path = Folder() + c.relative;
        const std::wstring name = win32::AfterLastBackslash(std::wstring_view(path));
        SCOPED_TRACE(win32::AnsiText(name));
        ASSERT_TRUE(MakeFile(Folder(), c.relative));
        ASSERT_EQ(Put(path, L"\\" + name), kFsFileOk);

        const std::vector<std::wstring> listed = ListWideNames(Fs());
        EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end());
        const std::vector<std::wstring> values = StoredValueNames();
        EXPECT_NE(std::find(values.begin(), values.end(), name), values.end());
        EXPECT_EQ(PathColumn(name), path);
        HICON icon = nullptr;
        std::wstring remote = L"\\" + name;
        EXPECT_EQ(Fs().FsExtractCustomIconW(remote.data(), 0, &icon), kFsIconExtracted);

        const auto record = ReadWideRecord(name);
        ASSERT_TRUE(record);
        EXPECT_TRUE(SameFile(FieldText(record->imagePath), path)) << FieldText(record->imagePath);
        if (!c.codePageSpellsIt) continue;
        // As the narrow plug-in stored it: the file search's entry, the name
        // and the path in the code page, the defaults of a CD/DVD image.
        CFileInfo expected = EmptyFileInfo();
        WIN32_FIND_DATAA found{};
        const std::string ansiPath = win32::AnsiText(path);
        ASSERT_TRUE(win32::FindHandle(FindFirstFileA(ansiPath.c_str(), &found)).IsValid());
        std::memcpy(&expected.findData, &found, sizeof found);
        std::memset(expected.findData.cFileName, 0, sizeof expected.findData.cFileName);
        ASSERT_TRUE(SetFieldText(expected.findData.cFileName, win32::AnsiText(name)));
        ASSERT_TRUE(SetFieldText(expected.imagePath, ansiPath));
        expected.driveLetter = 'Z';
        expected.mountMode = kModeCdDvd | kModeReadOnly;
        EXPECT_EQ(std::memcmp(&*record, &expected, sizeof expected), 0);
    }
}

TEST_F(WideNames, PathsUpTo1023CharactersAreKeptWhole) {
    for (size_t length : {259u, 260u, 600u, 1023u}) {
        SCOPED_TRACE(length);
        // Folders of 100 characters, then a file name that makes the length.
        std::wstring relative = std::to_wstring(length);
        while (Folder().size() + relative.size() + 101 + 12 < length) relative += L"\\" + std::wstring(100, L'd');
        relative += L"\\" + std::wstring(length - Folder().size() - relative.size() - 5, L'n') + L".iso";
        const std::wstring path = Folder() + relative;
        ASSERT_EQ(path.size(), length);
        ASSERT_TRUE(MakeFile(Folder(), relative));
        ASSERT_EQ(Put(path, L"\\" + std::to_wstring(length) + L".iso"), kFsFileOk);
        EXPECT_EQ(PathColumn(std::to_wstring(length) + L".iso"), path);
        const auto record = ReadWideRecord(std::to_wstring(length) + L".iso");
        ASSERT_TRUE(record);
        // Its short form, or nothing: never a path cut short.
        const std::string field = FieldText(record->imagePath);
        EXPECT_TRUE(field.empty() || SameFile(field, path)) << field;
    }
}

TEST_F(WideNames, NarrowCallsReachOnlyTheEntryTheySpell) {
    // In code page 1251, "Am?lie.iso" is how the narrow listing shows the
    // first, and "Amelie.iso" is the best fit of its name.
    ASSERT_TRUE(MakeFile(Folder(), L"a.iso"));
    const std::wstring local = Folder() + L"a.iso";
    ASSERT_EQ(Put(local, L"\\Am\u00e9lie.iso"), kFsFileOk);
    ASSERT_EQ(Put(local, L"\\Amelie.iso"), kFsFileOk);
    std::vector<std::string> names = NamesOf(ListFolder(Fs()));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Am?lie.iso", "Amelie.iso"}));

    std::string ansiLocal = win32::AnsiText(local), questionMark = "\\Am?lie.iso", bestFit = "\\AMELIE.ISO";
    EXPECT_FALSE(Fs().FsDeleteFile(questionMark.data()));
    EXPECT_EQ(Fs().FsPutFile(ansiLocal.data(), bestFit.data(), 0), kFsFileExists);
    EXPECT_TRUE(Fs().FsDeleteFile(bestFit.data()));
    EXPECT_EQ(StoredValueNames(), std::vector<std::wstring>{L"Am\u00e9lie.iso"});
    EXPECT_EQ(Fs().FsPutFile(ansiLocal.data(), bestFit.data(), 0), kFsFileOk);
    EXPECT_EQ(StoredValueNames().size(), 2u);
}

namespace {

std::vector<int> gProgress;
int __stdcall RecordProgress(int, wchar_t*, wchar_t*, int percentDone) {
    gProgress.push_back(percentDone);
    return 0;
}

}  // namespace

TEST_F(WideNames, RenameTakesTheNewNameAndLeavesTheImageAlone) {
    struct Case {
        const char* what;
        const wchar_t* from;
        const wchar_t* to;
        BOOL move;
        BOOL overWrite;
        int result;
        std::vector<std::wstring> after;  // the stored names, sorted
        std::vector<int> progress;
    };
    const Case cases[] = {
        {"another name", L"\\a.iso", L"\\c.iso", TRUE, FALSE, kFsFileOk, {L"b.iso", L"c.iso"}, {0, 100}},
        {"beyond the code page",
         L"\\a.iso",
         L"\\\u2603.iso",
         TRUE,
         FALSE,
         kFsFileOk,
         {L"b.iso", L"\u2603.iso"},
         {0, 100}},
        {"only the case", L"\\a.iso", L"\\A.ISO", TRUE, FALSE, kFsFileOk, {L"A.ISO", L"b.iso"}, {0, 100}},
        {"a taken name", L"\\a.iso", L"\\B.iso", TRUE, FALSE, kFsFileExists, {L"a.iso", L"b.iso"}, {0}},
        {"a taken name, overwritten", L"\\a.iso", L"\\B.iso", TRUE, TRUE, kFsFileOk, {L"B.iso"}, {0, 100}},
        {"a folder part", L"\\a.iso", L"\\dir\\c.iso", TRUE, FALSE, kFsFileNotFound, {L"a.iso", L"b.iso"}, {0}},
        {"no such entry", L"\\x.iso", L"\\c.iso", TRUE, FALSE, kFsFileNotFound, {L"a.iso", L"b.iso"}, {0}},
        {"a copy", L"\\a.iso", L"\\c.iso", FALSE, FALSE, kFsFileNotSupported, {L"a.iso", L"b.iso"}, {}},
    };
    ASSERT_TRUE(MakeFile(Folder(), L"image.iso"));
    const std::wstring image = Folder() + L"image.iso";
    Fs().FsInitW(1, RecordProgress, nullptr, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // An empty store, which the next refresh reads as such.
        RemovePluginRegistryState();
        ASSERT_EQ(win32::RegKey().Create(HKEY_CURRENT_USER, kFilesListKey, KEY_WRITE), ERROR_SUCCESS);
        ASSERT_EQ(Put(image, L"\\a.iso"), kFsFileOk);
        ASSERT_EQ(Put(image, L"\\b.iso"), kFsFileOk);
        const auto before = ReadWideRecord(L"a.iso");
        ASSERT_TRUE(before);
        gProgress.clear();
        std::wstring from = c.from, to = c.to;
        EXPECT_EQ(Fs().FsRenMovFileW(from.data(), to.data(), c.move, c.overWrite, nullptr), c.result);
        EXPECT_EQ(gProgress, c.progress);
        std::vector<std::wstring> names = StoredValueNames();
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, c.after);
        std::vector<std::wstring> listed = ListWideNames(Fs());
        std::sort(listed.begin(), listed.end());
        EXPECT_EQ(listed, c.after);
        EXPECT_NE(GetFileAttributesW(image.c_str()), INVALID_FILE_ATTRIBUTES);
        // The record keeps everything but its name.
        const auto renamed = ReadWideRecord(c.result == kFsFileOk ? std::wstring(to).substr(1) : L"a.iso");
        ASSERT_TRUE(renamed);
        EXPECT_EQ(std::memcmp(&renamed->imagePath, &before->imagePath, kFileInfoSize - offsetof(CFileInfo, imagePath)),
                  0);
    }
}

TEST_F(WideNames, APlugInInAFolderBeyondTheCodePageFindsItsOwnFiles) {
    const std::wstring home = Folder() + L"\u03a9mega \u2603\\";
    ASSERT_TRUE(CreateDirectoryW(home.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((home + L"Language").c_str(), nullptr));
    const std::wstring pluginPath = home + win32::WideText(kPluginFileName);
    ASSERT_TRUE(CopyFileW(win32::WideText(TestPluginPath()).c_str(), pluginPath.c_str(), TRUE));
    ASSERT_TRUE(CopyFileW(win32::WideText(TestProgramDirectory() + "Language\\MV_eng.lng").c_str(),
                          (home + L"Language\\MV_eng.lng").c_str(), TRUE));
    ASSERT_TRUE(MakeFile(Folder(), L"a.iso"));
    ASSERT_EQ(Put(Folder() + L"a.iso", L"\\a.iso"), kFsFileOk);
    {
        win32::Module module(LoadLibraryW(pluginPath.c_str()));
        ASSERT_TRUE(module.IsValid());
        const PluginExports fs = mvhost::ResolvePluginCalls(module.Get());
        fs.FsInit(1, nullptr, nullptr, nullptr);

        // The log-on entry names it by its own path.
        wchar_t command[1024] = {};
        DWORD size = sizeof command;
        ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                               L"MorvaneAutomount", RRF_RT_REG_SZ, nullptr, command, &size),
                  ERROR_SUCCESS);
        EXPECT_EQ(std::wstring(command), L"rundll32 \"" + pluginPath + L"\",MountAfterReboot");

        // Its language file: the English text.
        MessageBoxWatcher watcher({IDOK});
        std::wstring missing = L"\\missing.iso", verb = L"open";
        fs.FsExecuteFileW(nullptr, missing.data(), verb.data());
        const auto seen = watcher.Seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, "File not found!");

        // Its log: the restore of a record left mounted, whose image is gone.
        ASSERT_EQ(StoreRecord({"gone.iso", "C:\\no-such-folder\\gone.iso", 'Q', 3, true, true}), ERROR_SUCCESS);
        char noArguments[] = "";
        fs.MountAfterReboot(nullptr, nullptr, noArguments, SW_HIDE);
    }
    win32::FileHandle file(
        CreateFileW((home + L"Morvane.log").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(file.IsValid());
    EXPECT_GT(GetFileSize(file.Get(), nullptr), 0u);
    file.Reset();
    DeleteFileW((home + L"Morvane.log").c_str());
}

namespace {

class RenamedMountedImage : public StandInTest {};

}  // namespace

// Mounted from its dialog, renamed while mounted, marked for the log-on
// restore, which mounts it again after a restart by a name the code page
// cannot spell, then unmounted from its dialog under the new name.
TEST_F(RenamedMountedImage, StaysMountedIsRestoredAndUnmountsFromItsDialog) {
    LoadedPlugin plugin;
    ASSERT_TRUE(plugin.IsLoaded());
    const PluginExports& fs = plugin.Fs();
    fs.FsInitW(1, nullptr, nullptr, nullptr);
    ScratchFolder folder;
    ASSERT_TRUE(folder.IsReady());
    const std::wstring image = win32::WideText(folder.Path()) + L"Am\u00e9lie \u2603.iso";
    ASSERT_TRUE(MakeFile(win32::WideText(folder.Path()), L"Am\u00e9lie \u2603.iso"));
    std::wstring local = image, remote = L"\\Am\u00e9lie \u2603.iso", renamed = L"\\Renamed \u2603.iso";
    ASSERT_EQ(fs.FsPutFileW(local.data(), remote.data(), 0), kFsFileOk);
    const std::string letter{letter_, ':'};
    const auto open = [&](std::vector<uidriver::Step> steps, std::wstring name) {
        DialogScript script(std::move(steps));
        std::wstring verb = L"open";
        EXPECT_EQ(fs.FsExecuteFileW(nullptr, name.data(), verb.data()), kFsExecOk);
        EXPECT_TRUE(script.StepsLeft().empty());
    };
    open({uidriver::Step::Pick(IDC_LETTER, letter), uidriver::Step::Press(IDOK)}, remote);
    ASSERT_TRUE(DriveListed(letter_));

    ASSERT_EQ(fs.FsRenMovFileW(remote.data(), renamed.data(), TRUE, FALSE, nullptr), kFsFileOk);
    EXPECT_TRUE(DriveListed(letter_));
    open({uidriver::Step::Check(IDC_RESTORE), uidriver::Step::Press(IDCANCEL)}, renamed);
    const auto record = ReadWideRecord(L"Renamed \u2603.iso");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->mounted, 1);
    EXPECT_EQ(record->restoreAtLogon, 1);

    // A restart: the drive is gone until the log-on restore.
    RemoveStandInDriveLetter(letter_);
    ResetStandInDevice(kFamilyCdDvd, 0);
    ASSERT_FALSE(DriveListed(letter_));
    RunQuietLogonRestore();
    EXPECT_TRUE(DriveListed(letter_));

    const winpatch::WindowsDismount dismount(plugin.Handle());
    ASSERT_TRUE(dismount.IsApplied());
    open({uidriver::Step::Press(IDOK)}, renamed);
    EXPECT_FALSE(DriveListed(letter_));
    const auto after = ReadWideRecord(L"Renamed \u2603.iso");
    ASSERT_TRUE(after);
    EXPECT_EQ(after->mounted, 0);
}
