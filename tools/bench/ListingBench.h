// Listing the folder through the plug-in's exports, against the bare
// enumeration of the same registry values in the same process.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "host/PluginCalls.h"

namespace morvane::bench {

struct ListingRuns {
    size_t images = 0;
    // Records that the driver serves as the store says, each costing a query.
    size_t mounted = 0;
    // Runs in fours, in the same order: the bare enumeration, the plug-in's
    // reading of the store alone (its core, linked into this program), the
    // listing through the exports, and the listing with the default view's
    // columns of every entry.
    std::vector<double> enumerationMs;
    std::vector<double> snapshotMs;
    std::vector<double> listingMs;
    std::vector<double> columnsMs;
    // What the last runs saw; all equal `images` when nothing was lost.
    size_t enumerated = 0;
    size_t snapshotted = 0;
    size_t listed = 0;
    // Values that the columns run found, for every entry and field.
    size_t values = 0;
};

// FsFindFirst to the last FsFindNext; the number of entries listed.
size_t ListThroughExports(const mvhost::PluginCalls& fs);
// The same, and for every entry the values of the default view's fields
// through the wide call, as the 64-bit file manager shows them; the number
// of values found.
size_t ListWithColumns(const mvhost::PluginCalls& fs);

// `runs` runs of each over the store as it is, taking turns at going first.
ListingRuns MeasureListing(const mvhost::PluginCalls& fs, size_t images, int runs);

// A store of `images` records, listed as it is and again with `mounted` of
// them mounted through the stand-in driver: the two measurements, or an
// error in `why`.
std::vector<ListingRuns> MeasureListingAtSize(size_t images, size_t mounted, int runs, std::string& why);

}  // namespace morvane::bench
