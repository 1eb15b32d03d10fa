// The folder's listings: each one the file manager has open, by the handle
// it holds, with the snapshot it began with and its own position, so that
// listings at once, and calls in between, never disturb one another; and the
// latest snapshot, whose columns the content calls read, from any thread.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>

#include "catalogue/Catalogue.h"
#include "catalogue/DriveTable.h"
#include "plugin/ListingSnapshot.h"

namespace morvane {

class Listings {
public:
    // The handle of no listing; the file manager's "nothing".
    static constexpr intptr_t kNone = -1;

    Listings();

    // Opens a listing of the catalogue as it is now, whose snapshot becomes
    // the latest; kNone when the catalogue is empty.
    intptr_t Open(const Catalogue& catalogue, const DriveTable& drives);
    // The next entry of the listing `handle`, which holds the snapshot the
    // entry views into; false at its end and for a handle that is not open.
    bool Next(intptr_t handle, std::shared_ptr<const ListingSnapshot>& snapshot, ListedEntry& entry);
    void Close(intptr_t handle);

    // Null before the first listing and after Forget.
    std::shared_ptr<const ListingSnapshot> Latest() const;
    void Forget();

private:
    struct OpenListing {
        std::shared_ptr<const ListingSnapshot> snapshot;
        size_t next = 0;
    };
    // The snapshot that no one reads any more, kept with its memory for the
    // next listing; a snapshot comes back here when its last reader lets go.
    struct Spare {
        std::mutex lock;
        std::unique_ptr<ListingSnapshot> snapshot;
    };

    std::shared_ptr<ListingSnapshot> TakeSnapshot();

    std::shared_ptr<Spare> spare_;
    mutable std::mutex lock_;
    std::map<intptr_t, OpenListing> open_;
    intptr_t lastHandle_ = 0;
    std::shared_ptr<const ListingSnapshot> latest_;
};

}  // namespace morvane
