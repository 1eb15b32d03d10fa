#include "BulkBench.h"

#include <windows.h>

#include <cstring>
#include <optional>

#include "BenchStore.h"
#include "Timing.h"
#include "catalogue/FileInfo.h"
#include "catalogue/StoreKey.h"
#include "win32/RegKey.h"
#include "win32/UniqueHandle.h"

namespace morvane::bench {
namespace {

std::string RemoteName(size_t index) { return "\\" + BenchImageName(index); }

// What registering an image needs of the system, done directly: the image's
// directory entry, then one record written to its value, the key opened and
// closed for it as every call of the plug-in opens and closes it.
bool WriteDirectly(const std::string& localPath, size_t index) {
    WIN32_FIND_DATAA found;
    {
        const win32::FindHandle search(FindFirstFileA(localPath.c_str(), &found));
        if (!search) return false;
    }
    CFileInfo record = EmptyFileInfo();
    std::memcpy(&record.findData, &found, sizeof found);
    win32::RegKey key;
    if (key.Create(HKEY_CURRENT_USER, kFilesListKey, KEY_READ | KEY_WRITE) != ERROR_SUCCESS) return false;
    return key.SetValue(BenchImageName(index).c_str(), REG_BINARY, &record, sizeof record) == ERROR_SUCCESS;
}

bool DeleteDirectly(size_t index) {
    win32::RegKey key;
    if (key.Open(HKEY_CURRENT_USER, kFilesListKey, KEY_WRITE) != ERROR_SUCCESS) return false;
    return key.DeleteValue(BenchImageName(index).c_str()) == ERROR_SUCCESS;
}

bool FloorRound(const std::vector<std::string>& localPaths, size_t images, BulkRuns& runs) {
    if (!EmptyStore()) return false;
    bool complete = true;
    const Stopwatch write;
    for (size_t i = 0; i < images; ++i) complete &= WriteDirectly(localPaths[i], i);
    runs.floorWriteMs.push_back(write.Ms());
    const Stopwatch remove;
    for (size_t i = 0; i < images; ++i) complete &= DeleteDirectly(i);
    runs.floorDeleteMs.push_back(remove.Ms());
    return complete;
}

bool PluginRound(const mvhost::PluginCalls& fs, const std::vector<std::string>& localPaths, size_t images,
                 BulkRuns& runs) {
    if (!EmptyStore()) return false;
    bool complete = true;
    {
        const Stopwatch watch;
        std::optional<mvhost::OperationBracket> copy;
        if (runs.bracketed) copy.emplace(fs, kFsStatusOpPutMulti);
        for (size_t i = 0; i < images; ++i) {
            std::string local = localPaths[i], remote = RemoteName(i);
            complete &= fs.FsPutFile(local.data(), remote.data(), 0) == kFsFileOk;
        }
        copy.reset();
        runs.registerMs.push_back(watch.Ms());
    }
    const Stopwatch watch;
    std::optional<mvhost::OperationBracket> deletion;
    if (runs.bracketed) deletion.emplace(fs, kFsStatusOpDelete);
    for (size_t i = 0; i < images; ++i) {
        std::string remote = RemoteName(i);
        complete &= fs.FsDeleteFile(remote.data()) != FALSE;
    }
    deletion.reset();
    runs.removeMs.push_back(watch.Ms());
    return complete;
}

}  // namespace

BulkRuns MeasureBulk(const mvhost::PluginCalls& fs, const std::vector<std::string>& localPaths, size_t images,
                     bool bracketed, int runs) {
    BulkRuns result;
    result.images = images;
    result.bracketed = bracketed;
    for (int run = 0; run < runs; ++run) {
        if (run % 2 == 0) {
            result.complete &= FloorRound(localPaths, images, result);
            result.complete &= PluginRound(fs, localPaths, images, result);
        } else {
            result.complete &= PluginRound(fs, localPaths, images, result);
            result.complete &= FloorRound(localPaths, images, result);
        }
    }
    return result;
}

std::vector<std::string> MakeImageFiles(const std::string& folder, size_t count) {
    CreateDirectoryA(folder.c_str(), nullptr);
    std::vector<std::string> paths;
    for (size_t i = 0; i < count; ++i) {
        const std::string path = folder + BenchImageName(i);
        const win32::FileHandle file(
            CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return {};
        paths.push_back(path);
    }
    return paths;
}

}  // namespace morvane::bench
