#include "catalogue/Catalogue.h"

#include <utility>

namespace morvane {

uint32_t CatalogueHash(std::string_view key) {
    uint32_t hash = 0;
    for (char c : key) hash = hash * 33 + static_cast<uint32_t>(static_cast<int32_t>(static_cast<int8_t>(c)));
    return hash;
}

Catalogue::Catalogue() : buckets_(kCatalogueBuckets, &pool_), index_(&pool_) {}

void Catalogue::Set(std::string key, StoredImage image) {
    if (const auto found = index_.find(key); found != index_.end()) {
        found->second->image = std::move(image);
        return;
    }
    const uint32_t hash = CatalogueHash(key);
    // Indexed before it joins its chain, so that a failure leaves both as they
    // were; splicing keeps the node, and with it the index's view and iterator.
    Chain entry(&pool_);
    entry.push_back(Entry{std::move(key), hash, std::move(image)});
    index_.emplace(entry.front().key, entry.begin());
    Chain& chain = buckets_[hash % kCatalogueBuckets];
    chain.splice(chain.begin(), entry);
}

const StoredImage* Catalogue::Find(std::string_view key) const {
    const auto found = index_.find(key);
    return found == index_.end() ? nullptr : &found->second->image;
}

bool Catalogue::Remove(std::string_view key) {
    const auto found = index_.find(key);
    if (found == index_.end()) return false;
    const Chain::iterator entry = found->second;
    // The index's key views the entry: it goes first.
    index_.erase(found);
    buckets_[entry->hash % kCatalogueBuckets].erase(entry);
    ++epoch_;
    return true;
}

void Catalogue::Clear() {
    index_.clear();
    for (Chain& chain : buckets_) chain.clear();
    ++epoch_;
}

Catalogue::Position Catalogue::FirstFrom(uint32_t bucket) const {
    Position pos;
    for (uint32_t b = bucket; b < kCatalogueBuckets; ++b) {
        const Chain& chain = buckets_[b];
        if (!chain.empty()) {
            pos.kind_ = Position::Kind::AtEntry;
            pos.bucket_ = b;
            pos.entry_ = chain.begin();
            pos.epoch_ = epoch_;
            return pos;
        }
    }
    return pos;
}

Catalogue::Position Catalogue::BeforeFirst() const {
    Position pos;
    if (index_.empty()) return pos;
    pos.kind_ = Position::Kind::BeforeFirst;
    pos.epoch_ = epoch_;
    return pos;
}

bool Catalogue::Step(Position& pos, std::string* key, StoredImage* image) const {
    if (pos.kind_ == Position::Kind::None || pos.epoch_ != epoch_) {
        pos = Position::None();
        return false;
    }
    if (pos.kind_ == Position::Kind::BeforeFirst) {
        pos = FirstFrom(0);
        if (pos.IsNone()) return false;
    }
    const Entry& e = *pos.entry_;
    if (key) *key = e.key;
    if (image) *image = e.image;

    auto next = std::next(pos.entry_);
    if (next != buckets_[pos.bucket_].end()) {
        pos.entry_ = next;
    } else {
        pos = FirstFrom(pos.bucket_ + 1);
    }
    return true;
}

}  // namespace morvane
