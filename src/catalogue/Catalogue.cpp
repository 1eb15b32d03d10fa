#include "catalogue/Catalogue.h"

namespace morvane {

uint32_t CatalogueHash(std::string_view key) {
    uint32_t hash = 0;
    for (char c : key) hash = hash * 33 + static_cast<uint32_t>(static_cast<int32_t>(static_cast<int8_t>(c)));
    return hash;
}

intptr_t Catalogue::Position::AsHandle() const {
    if (kind_ != Kind::AtEntry) return 0;
    // Bucket and rank are enough to tell positions apart; never -1.
    return static_cast<intptr_t>(bucket_) + 1;
}

void Catalogue::Set(const std::string& key, const StoredImage& image) {
    const uint32_t hash = CatalogueHash(key);
    if (!buckets_) buckets_ = std::make_unique<std::array<Chain, kCatalogueBuckets>>();
    Chain& chain = (*buckets_)[hash % kCatalogueBuckets];
    for (Entry& e : chain) {
        if (e.hash == hash && e.key == key) {
            e.image = image;
            return;
        }
    }
    chain.push_front(Entry{key, hash, image});
    ++count_;
}

const StoredImage* Catalogue::Find(std::string_view key) const {
    if (!buckets_) return nullptr;
    const uint32_t hash = CatalogueHash(key);
    for (const Entry& e : (*buckets_)[hash % kCatalogueBuckets])
        if (e.hash == hash && e.key == key) return &e.image;
    return nullptr;
}

bool Catalogue::Remove(std::string_view key) {
    if (!buckets_) return false;
    const uint32_t hash = CatalogueHash(key);
    Chain& chain = (*buckets_)[hash % kCatalogueBuckets];
    for (auto it = chain.begin(); it != chain.end(); ++it) {
        if (it->hash == hash && it->key == key) {
            chain.erase(it);
            ++epoch_;
            if (--count_ == 0) buckets_.reset();
            return true;
        }
    }
    return false;
}

void Catalogue::Clear() {
    buckets_.reset();
    count_ = 0;
    ++epoch_;
}

Catalogue::Position Catalogue::FirstFrom(uint32_t bucket) const {
    Position pos;
    if (!buckets_) return pos;
    for (uint32_t b = bucket; b < kCatalogueBuckets; ++b) {
        Chain& chain = (*buckets_)[b];
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
    if (count_ == 0) return pos;
    pos.kind_ = Position::Kind::BeforeFirst;
    pos.epoch_ = epoch_;
    return pos;
}

bool Catalogue::Step(Position& pos, std::string* key, StoredImage* image) const {
    if (pos.kind_ == Position::Kind::None || pos.epoch_ != epoch_ || !buckets_) {
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
    if (next != (*buckets_)[pos.bucket_].end()) {
        pos.entry_ = next;
    } else {
        pos = FirstFrom(pos.bucket_ + 1);
    }
    return true;
}

}  // namespace morvane
