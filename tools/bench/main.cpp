// mvbench.exe: times the plug-in under Wine through its real exports against
// the floors that Wine itself sets: listing against the bare enumeration of
// the store, loading against an empty DLL, and the log-on restore through the
// stand-in driver. Every figure is a median of paired runs made in this one
// process. scripts/bench runs it in a fresh prefix.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "BenchStore.h"
#include "BulkBench.h"
#include "ListingBench.h"
#include "LoadBench.h"
#include "RestoreBench.h"
#include "Timing.h"
#include "harness/Plugin.h"

using namespace morvane::bench;

namespace {

constexpr size_t kListingSizes[] = {1000, 10000, 30000};
// Each device family of the stand-in serves four devices: twelve drives.
constexpr size_t kMountedRecords = 12;
constexpr size_t kRestoreRecords = 100;
// A selection registered and removed inside the file manager's brackets, and
// without them as a host that sends none; the calls without brackets read
// the whole store each, so their sizes stay small.
constexpr size_t kBulkSizes[] = {200, 1000, 5000};
constexpr size_t kUnbracketedBulkSizes[] = {200, 1000};
constexpr int kUnbracketedBulkRuns = 3;

struct Options {
    int listingRuns = 7;
    int loadRuns = 21;
    int restoreRuns = 5;
    int bulkRuns = 7;
    bool listing = true;
    bool load = true;
    bool restore = true;
    bool bulk = true;
};

void PrintListing(const std::vector<ListingRuns>& all) {
    std::printf(
        "\nListing: FsFindFirst to the last FsFindNext, and the store snapshot alone, against RegEnumValueW of "
        "every value with its data\n");
    std::printf("%8s %8s %5s %10s %10s %10s %9s %8s %13s %9s\n", "images", "mounted", "runs", "enumerate", "snapshot",
                "listing", "snapshot", "listing", "listing pair", "own");
    std::printf("%8s %8s %5s %10s %10s %10s %9s %8s %13s %9s\n", "", "", "", "ms", "ms", "ms", "ratio", "ratio",
                "ratios", "ms");
    for (const ListingRuns& runs : all) {
        const Ratios snapshot = PairRatios(runs.snapshotMs, runs.enumerationMs);
        const Ratios listing = PairRatios(runs.listingMs, runs.enumerationMs);
        const bool complete =
            runs.listed == runs.images && runs.snapshotted == runs.images && runs.enumerated == runs.images;
        std::printf("%8zu %8zu %5zu %10.2f %10.2f %10.2f %9.3f %8.3f %6.3f-%-6.3f %9.2f%s\n", runs.images, runs.mounted,
                    runs.listingMs.size(), Median(runs.enumerationMs), Median(runs.snapshotMs), Median(runs.listingMs),
                    snapshot.median, listing.median, listing.low, listing.high,
                    MedianExcess(runs.listingMs, runs.enumerationMs), complete ? "" : "  (entries lost!)");
    }
    // Entries come in pairs per size: without, then with mounted records.
    for (size_t i = 0; i + 1 < all.size(); i += 2) {
        const ListingRuns& plain = all[i];
        const ListingRuns& mounted = all[i + 1];
        const double added =
            MedianExcess(mounted.listingMs, mounted.enumerationMs) - MedianExcess(plain.listingMs, plain.enumerationMs);
        if (mounted.mounted > 0)
            std::printf("%zu images: %zu mounted records add %.2f ms, %.3f ms each\n", plain.images, mounted.mounted,
                        added, added / static_cast<double>(mounted.mounted));
        if (i < 2) continue;
        const ListingRuns& previous = all[i - 2];
        const double step = static_cast<double>(plain.images) / static_cast<double>(previous.images);
        std::printf("growth %zu -> %zu images (linear: %.1f): listing %.2f, enumeration %.2f, own time %.2f\n",
                    previous.images, plain.images, step, Median(plain.listingMs) / Median(previous.listingMs),
                    Median(plain.enumerationMs) / Median(previous.enumerationMs),
                    MedianExcess(plain.listingMs, plain.enumerationMs) /
                        MedianExcess(previous.listingMs, previous.enumerationMs));
    }
    std::printf(
        "\nListing with the default view's columns (five values of every entry through FsContentGetValueW), "
        "against the listing alone\n");
    std::printf("%8s %8s %5s %10s %10s %8s %13s %9s\n", "images", "mounted", "runs", "listing", "columns", "ratio",
                "pair ratios", "values");
    for (const ListingRuns& runs : all) {
        const Ratios columns = PairRatios(runs.columnsMs, runs.listingMs);
        std::printf("%8zu %8zu %5zu %10.2f %10.2f %8.3f %6.3f-%-6.3f %9zu\n", runs.images, runs.mounted,
                    runs.columnsMs.size(), Median(runs.listingMs), Median(runs.columnsMs), columns.median, columns.low,
                    columns.high, runs.values);
    }
}

void PrintLoad(const LoadRuns& runs) {
    const double plugin = Median(runs.pluginMs);
    const double empty = Median(runs.emptyMs);
    const Ratios ratios = PairRatios(runs.pluginMs, runs.emptyMs);
    std::printf("\nLoad: LoadLibrary and FsInit (Language\\MV_eng.lng beside it), against an empty DLL\n");
    std::printf("%6s %12s %12s %7s %13s\n", "runs", "plug-in ms", "empty ms", "ratio", "pair ratios");
    std::printf("%6zu %12.3f %12.3f %7.3f %6.3f-%-6.3f\n", runs.pluginMs.size(), plugin, empty, ratios.median,
                ratios.low, ratios.high);
}

void PrintRestore(const RestoreRuns& runs) {
    std::printf("\nLog-on restore of %zu records marked mounted and for restoring, through the stand-in driver\n",
                runs.records);
    std::printf("command line: %s\n", runs.commandLine.c_str());
    std::printf("%6s %14s %16s %8s %10s\n", "runs", "rundll32 ms", "in process ms", "mounted", "corrected");
    std::printf("%6zu %14.1f %16.1f %8zu %10zu\n", runs.rundll32Ms.size(), Median(runs.rundll32Ms),
                Median(runs.inProcessMs), runs.mounted, runs.corrected);
}

void PrintBulk(const std::vector<BulkRuns>& all) {
    std::printf(
        "\nA selection registered (FsPutFile) and removed (FsDeleteFile) one call an image, against the "
        "store's own work done directly (the image's directory entry and one value written; one value "
        "deleted)\n");
    std::printf("%8s %10s %5s %10s %11s %8s %13s %10s %10s %8s %13s\n", "images", "brackets", "runs", "write ms",
                "register ms", "ratio", "pair ratios", "delete ms", "remove ms", "ratio", "pair ratios");
    for (const BulkRuns& runs : all) {
        const Ratios put = PairRatios(runs.registerMs, runs.floorWriteMs);
        const Ratios remove = PairRatios(runs.removeMs, runs.floorDeleteMs);
        std::printf("%8zu %10s %5zu %10.1f %11.1f %8.2f %6.2f-%-6.2f %10.1f %10.1f %8.2f %6.2f-%-6.2f%s\n", runs.images,
                    runs.bracketed ? "yes" : "no", runs.registerMs.size(), Median(runs.floorWriteMs),
                    Median(runs.registerMs), put.median, put.low, put.high, Median(runs.floorDeleteMs),
                    Median(runs.removeMs), remove.median, remove.low, remove.high,
                    runs.complete ? "" : "  (calls failed!)");
    }
    for (size_t i = 1; i < all.size(); ++i) {
        const BulkRuns& previous = all[i - 1];
        const BulkRuns& runs = all[i];
        if (runs.bracketed != previous.bracketed) continue;
        std::printf("growth %zu -> %zu images, %s brackets (linear: %.1f): register %.2f, remove %.2f\n",
                    previous.images, runs.images, runs.bracketed ? "with" : "without",
                    static_cast<double>(runs.images) / static_cast<double>(previous.images),
                    Median(runs.registerMs) / Median(previous.registerMs),
                    Median(runs.removeMs) / Median(previous.removeMs));
    }
}

bool MeasureAllBulk(int runs, std::string& why) {
    const size_t most = kBulkSizes[std::size(kBulkSizes) - 1];
    char temp[MAX_PATH];
    const DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) {
        why = "no temporary folder";
        return false;
    }
    const std::vector<std::string> files = MakeImageFiles(std::string(temp) + "mvbench-bulk\\", most);
    if (files.size() != most) {
        why = "cannot make " + std::to_string(most) + " image files";
        return false;
    }
    const morvane::test::LoadedPlugin plugin;
    if (!plugin.IsLoaded()) {
        why = "cannot load " + morvane::test::TestPluginPath();
        return false;
    }
    const mvhost::PluginCalls& fs = plugin.Fs();
    if (!EmptyStore()) {
        why = "cannot make the store key";
        return false;
    }
    fs.FsInit(1, nullptr, nullptr, nullptr);
    std::vector<BulkRuns> all;
    // A plug-in without the export takes no brackets: measured without them only.
    if (fs.FsStatusInfo)
        for (size_t images : kBulkSizes) all.push_back(MeasureBulk(fs, files, images, true, runs));
    for (size_t images : kUnbracketedBulkSizes)
        all.push_back(MeasureBulk(fs, files, images, false, std::min(runs, kUnbracketedBulkRuns)));
    RemoveStore();
    for (const std::string& file : files) DeleteFileA(file.c_str());
    PrintBulk(all);
    return true;
}

bool ParseOptions(int argc, char** argv, Options& options) {
    bool chosen = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            const int runs = std::atoi(argv[++i]);
            if (runs < 1) return false;
            options.listingRuns = options.restoreRuns = options.bulkRuns = runs;
            options.loadRuns = 3 * runs;
        } else if (arg == "listing" || arg == "load" || arg == "restore" || arg == "bulk") {
            if (!chosen) options.listing = options.load = options.restore = options.bulk = false;
            chosen = true;
            (arg == "listing" ? options.listing
             : arg == "load"  ? options.load
             : arg == "bulk"  ? options.bulk
                              : options.restore) = true;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::printf("usage: mvbench [--runs N] [listing] [load] [restore] [bulk]\n");
        return 2;
    }
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::string why;

    if (options.listing) {
        std::vector<ListingRuns> all;
        for (size_t images : kListingSizes) {
            std::vector<ListingRuns> measured = MeasureListingAtSize(images, kMountedRecords, options.listingRuns, why);
            if (measured.empty()) {
                std::printf("listing: %s\n", why.c_str());
                return 1;
            }
            all.insert(all.end(), measured.begin(), measured.end());
        }
        RemoveStore();
        PrintListing(all);
    }
    if (options.load) {
        LoadRuns runs;
        if (!EmptyStore() ||
            !MeasureLoad(morvane::test::TestPluginPath(), morvane::test::TestProgramDirectory() + "mvempty.dll",
                         options.loadRuns, runs, why)) {
            std::printf("load: %s\n", why.c_str());
            return 1;
        }
        PrintLoad(runs);
    }
    if (options.restore) {
        RestoreRuns runs;
        if (!MeasureRestore(kRestoreRecords, options.restoreRuns, runs, why)) {
            std::printf("restore: %s\n", why.c_str());
            return 1;
        }
        RemoveStore();
        PrintRestore(runs);
    }
    if (options.bulk && !MeasureAllBulk(options.bulkRuns, why)) {
        std::printf("bulk: %s\n", why.c_str());
        return 1;
    }
    return 0;
}
