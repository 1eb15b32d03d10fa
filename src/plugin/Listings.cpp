#include "plugin/Listings.h"

#include <utility>

namespace morvane {

Listings::Listings() : spare_(std::make_shared<Spare>()) {}

std::shared_ptr<ListingSnapshot> Listings::TakeSnapshot() {
    std::unique_ptr<ListingSnapshot> snapshot;
    {
        const std::lock_guard<std::mutex> lock(spare_->lock);
        snapshot = std::move(spare_->snapshot);
    }
    if (!snapshot) snapshot = std::make_unique<ListingSnapshot>();
    // Back to the spare when the last reader, on whatever thread, lets go;
    // the spare outlives these listings if it must.
    const std::shared_ptr<Spare> spare = spare_;
    return std::shared_ptr<ListingSnapshot>(snapshot.release(), [spare](ListingSnapshot* released) {
        std::unique_ptr<ListingSnapshot> back(released);
        const std::lock_guard<std::mutex> lock(spare->lock);
        if (!spare->snapshot) spare->snapshot = std::move(back);
    });
}

intptr_t Listings::Open(const Catalogue& catalogue, const DriveTable& drives) {
    std::shared_ptr<ListingSnapshot> snapshot = TakeSnapshot();
    snapshot->Fill(catalogue, drives);
    const bool empty = snapshot->Count() == 0;
    const std::lock_guard<std::mutex> lock(lock_);
    latest_ = snapshot;
    if (empty) return kNone;
    // Never the file manager's "nothing", nor a handle still open.
    do {
        lastHandle_ = lastHandle_ >= INTPTR_MAX - 1 ? 1 : lastHandle_ + 1;
    } while (open_.count(lastHandle_));
    open_[lastHandle_] = OpenListing{std::move(snapshot), 0};
    return lastHandle_;
}

bool Listings::Next(intptr_t handle, std::shared_ptr<const ListingSnapshot>& snapshot, ListedEntry& entry) {
    const std::lock_guard<std::mutex> lock(lock_);
    const auto found = open_.find(handle);
    if (found == open_.end() || found->second.next >= found->second.snapshot->Count()) return false;
    snapshot = found->second.snapshot;
    entry = snapshot->EntryAt(found->second.next++);
    return true;
}

void Listings::Close(intptr_t handle) {
    std::shared_ptr<const ListingSnapshot> released;
    const std::lock_guard<std::mutex> lock(lock_);
    const auto found = open_.find(handle);
    if (found == open_.end()) return;
    // Let go of outside the lock, below: the last reader hands it to the spare.
    released = std::move(found->second.snapshot);
    open_.erase(found);
}

std::shared_ptr<const ListingSnapshot> Listings::Latest() const {
    const std::lock_guard<std::mutex> lock(lock_);
    return latest_;
}

void Listings::Forget() {
    const std::lock_guard<std::mutex> lock(lock_);
    latest_.reset();
}

}  // namespace morvane
