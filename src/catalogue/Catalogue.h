// The image catalogue: lower-case display name to record, kept in a hash table
// of 17 buckets whose layout decides the order in which the folder is listed.
// Users of a catalogue find its images in this order, whichever build of the
// plug-in lists it, so the order is part of the product.
// With so few buckets a chain holds a seventeenth of the catalogue: an index
// beside the chains finds an entry without walking its chain.
#pragma once

#include <cstdint>
#include <list>
#include <memory_resource>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/StoredImage.h"

namespace morvane {

constexpr uint32_t kCatalogueBuckets = 17;

// hash = hash * 33 + byte, each byte taken as a signed 8-bit value.
uint32_t CatalogueHash(std::string_view key);

class Catalogue {
    struct Entry {
        std::string key;
        uint32_t hash;
        StoredImage image;
    };
    using Chain = std::pmr::list<Entry>;

public:
    // Where an enumeration continues. It refers into the catalogue and goes
    // stale when entries are removed or the catalogue is emptied; a stale
    // position ends the enumeration instead of reading freed entries.
    class Position {
    public:
        static Position None() { return Position(); }
        bool IsNone() const { return kind_ == Kind::None; }

    private:
        friend class Catalogue;
        enum class Kind { None, BeforeFirst, AtEntry };
        Kind kind_ = Kind::None;
        uint32_t bucket_ = 0;
        Chain::const_iterator entry_{};
        uint64_t epoch_ = 0;
    };

    Catalogue();
    Catalogue(const Catalogue&) = delete;
    Catalogue& operator=(const Catalogue&) = delete;

    // Inserts the image, or replaces the image of an existing key in place.
    void Set(std::string key, StoredImage image);
    const StoredImage* Find(std::string_view key) const;
    bool Remove(std::string_view key);
    void Clear();
    // Room for `count` entries in all, so that filling the catalogue does not
    // grow the index step by step.
    void Reserve(size_t count) { index_.reserve(count); }
    size_t Count() const { return index_.size(); }

    // Calls visit(key, image) for every entry, in listing order, without
    // copying any.
    template <typename Visit>
    void ForEach(Visit&& visit) const {
        for (const Chain& chain : buckets_)
            for (const Entry& entry : chain) visit(entry.key, entry.image);
    }

    Position BeforeFirst() const;
    // Yields the entry at `pos` and advances it; false (and `pos` none) when
    // the position is none or stale.
    bool Step(Position& pos, std::string* key, StoredImage* image) const;

private:
    Position FirstFrom(uint32_t bucket) const;

    // Every rebuild frees and makes again thousands of entries. The pool keeps
    // their memory for the next one: handed back to the system, it would be
    // faulted in again page by page, which under Wine costs more than the
    // rest of the rebuild.
    std::pmr::unsynchronized_pool_resource pool_;
    std::pmr::vector<Chain> buckets_;
    // Every entry by its key, which the entry itself holds: chain nodes never
    // move, so the view stays valid until the entry is erased.
    std::pmr::unordered_map<std::string_view, Chain::iterator> index_;
    uint64_t epoch_ = 1;
};

}  // namespace morvane
