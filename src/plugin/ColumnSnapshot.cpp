#include "plugin/ColumnSnapshot.h"

#include <utility>

namespace morvane {

ColumnSnapshot::ColumnSnapshot(const Catalogue& catalogue, const DriveTable& drives) {
    entries_.reserve(catalogue.Count());
    Catalogue::Position pos = catalogue.BeforeFirst();
    std::string key;
    StoredImage image;
    while (catalogue.Step(pos, &key, &image)) entries_.emplace(std::move(key), ColumnsOf(image, drives));
}

const EntryColumns* ColumnSnapshot::Find(const std::string& key) const {
    const auto found = entries_.find(key);
    return found == entries_.end() ? nullptr : &found->second;
}

}  // namespace morvane
