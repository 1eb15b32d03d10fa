#include "ListingBench.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "BenchStore.h"
#include "StandInMounts.h"
#include "Timing.h"
#include "catalogue/StoreSnapshot.h"
#include "harness/Plugin.h"
#include "harness/StoredRecords.h"
#include "win32/AnsiText.h"

namespace morvane::bench {
namespace {

// Marks `count` records spread over the store for the log-on restore and lets
// the plug-in mount them; answers how many it mounted.
size_t MountSpreadRecords(const mvhost::PluginCalls& fs, StandInMounts& mounts, size_t images, size_t count) {
    std::vector<std::string> names;
    for (size_t slot = 0; slot < count; ++slot) {
        const std::string name = BenchImageName(slot * images / count);
        if (test::StoreRecord(name, mounts.MarkedRecord(name, slot)) == ERROR_SUCCESS) names.push_back(name);
    }
    char noArguments[] = "";
    fs.MountAfterReboot(nullptr, nullptr, noArguments, SW_HIDE);
    size_t mounted = 0;
    for (const std::string& name : names) {
        const std::optional<CFileInfo> record = test::ReadRecord(name);
        if (record && record->mounted) ++mounted;
    }
    return mounted;
}

}  // namespace

size_t ListThroughExports(const mvhost::PluginCalls& fs) {
    char root[] = "\\";
    WIN32_FIND_DATAA found;
    const HANDLE find = fs.FsFindFirst(root, &found);
    if (find == INVALID_HANDLE_VALUE) return 0;
    size_t listed = 1;
    while (fs.FsFindNext(find, &found)) ++listed;
    fs.FsFindClose(find);
    return listed;
}

size_t ListWithColumns(const mvhost::PluginCalls& fs) {
    // Drive, mode, mounted, restore at log-on, image path.
    constexpr int kViewFields[] = {0, 1, 3, 4, 5};
    char root[] = "\\";
    WIN32_FIND_DATAA found;
    const HANDLE find = fs.FsFindFirst(root, &found);
    if (find == INVALID_HANDLE_VALUE) return 0;
    size_t values = 0;
    do {
        std::wstring name = L"\\" + win32::WideText(found.cFileName);
        for (int field : kViewFields) {
            wchar_t value[1024];
            if (fs.FsContentGetValueW(name.data(), field, 0, value, sizeof value, 0) > 0) ++values;
        }
    } while (fs.FsFindNext(find, &found));
    fs.FsFindClose(find);
    return values;
}

ListingRuns MeasureListing(const mvhost::PluginCalls& fs, size_t images, int runs) {
    ListingRuns result;
    result.images = images;
    // Kept between readings, as the plug-in keeps its own.
    std::vector<StoredImage> snapshot;
    // One unmeasured round brings every path into memory.
    EnumerateStore();
    ReadStoreSnapshot(snapshot);
    ListWithColumns(fs);
    for (int run = 0; run < runs; ++run) {
        for (int turn = 0; turn < 4; ++turn) {
            const Stopwatch watch;
            switch ((run + turn) % 4) {
                case 0:
                    result.enumerated = EnumerateStore();
                    result.enumerationMs.push_back(watch.Ms());
                    break;
                case 1:
                    result.snapshotted = ReadStoreSnapshot(snapshot) ? snapshot.size() : 0;
                    result.snapshotMs.push_back(watch.Ms());
                    break;
                case 2:
                    result.listed = ListThroughExports(fs);
                    result.listingMs.push_back(watch.Ms());
                    break;
                default:
                    result.values = ListWithColumns(fs);
                    result.columnsMs.push_back(watch.Ms());
                    break;
            }
        }
    }
    return result;
}

std::vector<ListingRuns> MeasureListingAtSize(size_t images, size_t mounted, int runs, std::string& why) {
    if (!FillStore(images)) {
        why = "cannot write " + std::to_string(images) + " records";
        return {};
    }
    const test::LoadedPlugin plugin;
    if (!plugin.IsLoaded()) {
        why = "cannot load " + test::TestPluginPath();
        return {};
    }
    const mvhost::PluginCalls& fs = plugin.Fs();
    fs.FsInit(1, nullptr, nullptr, nullptr);
    std::vector<ListingRuns> measured{MeasureListing(fs, images, runs)};

    StandInMounts mounts;
    if (!mounts.IsReady()) {
        why = mounts.Why();
        return {};
    }
    const size_t confirmed = MountSpreadRecords(fs, mounts, images, mounted);
    measured.push_back(MeasureListing(fs, images, runs));
    measured.back().mounted = confirmed;
    return measured;
}

}  // namespace morvane::bench
