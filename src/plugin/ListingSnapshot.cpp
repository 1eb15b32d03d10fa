#include "plugin/ListingSnapshot.h"

#include <functional>
#include <type_traits>

#include "catalogue/CatalogueKey.h"
#include "catalogue/EntryName.h"
#include "catalogue/ListedName.h"

namespace morvane {
namespace {

constexpr size_t kNone = static_cast<size_t>(-1);

// Room for twice the names, in a power of two, so that probing stays short.
template <typename NameAt>
void MakeTable(std::vector<uint32_t>& slots, size_t count, const NameAt& nameAt) {
    size_t size = 16;
    while (size < 2 * count) size *= 2;
    slots.assign(size, 0);
    for (size_t i = 0; i < count; ++i) {
        const auto name = nameAt(i);
        size_t slot = std::hash<std::decay_t<decltype(name)>>()(name) & (size - 1);
        while (slots[slot] != 0) slot = (slot + 1) & (size - 1);
        slots[slot] = static_cast<uint32_t>(i + 1);
    }
}

template <typename Name, typename NameAt>
size_t LookUp(const std::vector<uint32_t>& slots, Name name, const NameAt& nameAt) {
    if (slots.empty()) return kNone;
    const size_t mask = slots.size() - 1;
    for (size_t slot = std::hash<Name>()(name) & mask; slots[slot] != 0; slot = (slot + 1) & mask) {
        const size_t index = slots[slot] - 1;
        if (nameAt(index) == name) return index;
    }
    return kNone;
}

}  // namespace

void ListingSnapshot::Fill(const Catalogue& catalogue, const DriveTable& drives) {
    text_.clear();
    entries_.clear();
    entries_.reserve(catalogue.Count());
    catalogue.ForEach([&](const std::string&, const StoredImage& image) {
        const EntryColumns columns = ColumnsOf(image, drives);
        const std::wstring listed = ListedNameOf(image);
        Entry entry{};
        entry.hostName = {static_cast<uint32_t>(text_.size()), static_cast<uint32_t>(listed.size() + 1)};
        text_.append(1, L'\\').append(listed);
        entry.imagePath = {static_cast<uint32_t>(text_.size()), static_cast<uint32_t>(columns.imagePath.size())};
        text_.append(columns.imagePath);
        entry.mountedOn = columns.mountedOn;
        entry.readOnly = columns.readOnly;
        entry.restoreAtLogon = columns.restoreAtLogon;
        entry.mode = columns.mode;
        entry.findData = image.record.findData;
        entries_.push_back(entry);
    });
    namesIndexed_ = false;
    keysIndexed_ = false;
}

ListedEntry ListingSnapshot::EntryAt(size_t index) const {
    const Entry& entry = entries_[index];
    return ListedEntry{&entry.findData, Text(entry.hostName).substr(1)};
}

std::wstring_view ListingSnapshot::Text(Span span) const {
    return std::wstring_view(text_).substr(span.start, span.length);
}

EntryColumns ListingSnapshot::ColumnsAt(size_t index) const {
    const Entry& entry = entries_[index];
    EntryColumns columns;
    columns.mountedOn = entry.mountedOn;
    columns.mode = entry.mode;
    columns.readOnly = entry.readOnly;
    columns.restoreAtLogon = entry.restoreAtLogon;
    columns.imagePath = Text(entry.imagePath);
    return columns;
}

void ListingSnapshot::IndexNames() const {
    if (namesIndexed_) return;
    MakeTable(byHostName_, entries_.size(), [this](size_t i) { return Text(entries_[i].hostName); });
    namesIndexed_ = true;
}

void ListingSnapshot::IndexKeys() const {
    if (keysIndexed_) return;
    keyText_.clear();
    keys_.clear();
    for (const Entry& entry : entries_) {
        const std::string key = CatalogueKey(Text(entry.hostName).substr(1));
        keys_.push_back({static_cast<uint32_t>(keyText_.size()), static_cast<uint32_t>(key.size())});
        keyText_.append(key);
    }
    MakeTable(byKey_, keys_.size(),
              [this](size_t i) { return std::string_view(keyText_).substr(keys_[i].start, keys_[i].length); });
    keysIndexed_ = true;
}

std::optional<EntryColumns> ListingSnapshot::Find(std::wstring_view hostName) const {
    const std::lock_guard<std::mutex> lock(indexLock_);
    IndexNames();
    size_t index = LookUp(byHostName_, hostName, [this](size_t i) { return Text(entries_[i].hostName); });
    if (index == kNone) {
        const std::optional<std::wstring> name = EntryNameOf(hostName);
        if (!name) return std::nullopt;
        IndexKeys();
        index = LookUp(byKey_, std::string_view(CatalogueKey(*name)),
                       [this](size_t i) { return std::string_view(keyText_).substr(keys_[i].start, keys_[i].length); });
        if (index == kNone) return std::nullopt;
    }
    return ColumnsAt(index);
}

}  // namespace morvane
