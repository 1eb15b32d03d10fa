#include "plugin/ColumnSnapshot.h"

#include <windows.h>

#include <functional>
#include <type_traits>

#include "catalogue/CatalogueKey.h"
#include "catalogue/EntryName.h"
#include "catalogue/ListedName.h"
#include "win32/AnsiText.h"

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

void ColumnSnapshot::Fill(const Catalogue& catalogue, const DriveTable& drives) {
    text_.clear();
    entries_.clear();
    entries_.reserve(catalogue.Count());
    catalogue.ForEach([&](const std::string&, const StoredImage& image) {
        const EntryColumns columns = ColumnsOf(image, drives);
        const std::string_view listed = ListedNameOf(image);
        Entry entry{};
        entry.hostName = {static_cast<uint32_t>(text_.size()), static_cast<uint32_t>(listed.size() + 1)};
        text_.append(1, '\\').append(listed);
        entry.imagePath = {static_cast<uint32_t>(text_.size()), static_cast<uint32_t>(columns.imagePath.size())};
        text_.append(columns.imagePath);
        entry.mountedOn = columns.mountedOn;
        entry.readOnly = columns.readOnly;
        entry.restoreAtLogon = columns.restoreAtLogon;
        entry.mode = columns.mode;
        entries_.push_back(entry);
    });
    namesIndexed_ = false;
    keysIndexed_ = false;
}

std::string_view ColumnSnapshot::HostName(const Entry& entry) const {
    return std::string_view(text_).substr(entry.hostName.start, entry.hostName.length);
}

std::wstring_view ColumnSnapshot::WideHostName(size_t index) const {
    return std::wstring_view(wideText_).substr(wideHostNames_[index].start, wideHostNames_[index].length);
}

EntryColumns ColumnSnapshot::ColumnsAt(size_t index) const {
    const Entry& entry = entries_[index];
    EntryColumns columns;
    columns.mountedOn = entry.mountedOn;
    columns.mode = entry.mode;
    columns.readOnly = entry.readOnly;
    columns.restoreAtLogon = entry.restoreAtLogon;
    columns.imagePath = std::string_view(text_).substr(entry.imagePath.start, entry.imagePath.length);
    return columns;
}

void ColumnSnapshot::IndexNames() const {
    if (namesIndexed_) return;
    MakeTable(byHostName_, entries_.size(), [this](size_t i) { return HostName(entries_[i]); });
    wideText_.clear();
    wideHostNames_.clear();
    for (const Entry& entry : entries_) {
        // A character takes at least one byte: the bytes' count is room enough.
        const std::string_view name = HostName(entry);
        const size_t start = wideText_.size();
        wideText_.resize(start + name.size());
        const int length = MultiByteToWideChar(CP_ACP, 0, name.data(), static_cast<int>(name.size()),
                                               &wideText_[start], static_cast<int>(name.size()));
        wideText_.resize(start + static_cast<size_t>(length > 0 ? length : 0));
        wideHostNames_.push_back({static_cast<uint32_t>(start), static_cast<uint32_t>(wideText_.size() - start)});
    }
    MakeTable(byWideHostName_, entries_.size(), [this](size_t i) { return WideHostName(i); });
    namesIndexed_ = true;
}

void ColumnSnapshot::IndexKeys() const {
    if (keysIndexed_) return;
    keyText_.clear();
    keys_.clear();
    for (const Entry& entry : entries_) {
        const std::string key = CatalogueKey(HostName(entry).substr(1));
        keys_.push_back({static_cast<uint32_t>(keyText_.size()), static_cast<uint32_t>(key.size())});
        keyText_.append(key);
    }
    MakeTable(byKey_, keys_.size(), [this](size_t i) {
        return std::string_view(keyText_).substr(keys_[i].start, keys_[i].length);
    });
    keysIndexed_ = true;
}

std::optional<EntryColumns> ColumnSnapshot::Find(std::string_view hostName) const {
    const std::lock_guard<std::mutex> lock(indexLock_);
    IndexNames();
    size_t index = LookUp(byHostName_, hostName, [this](size_t i) { return HostName(entries_[i]); });
    if (index == kNone) {
        const std::optional<std::string> name = EntryNameOf(hostName);
        if (!name) return std::nullopt;
        IndexKeys();
        index = LookUp(byKey_, std::string_view(CatalogueKey(*name)), [this](size_t i) {
            return std::string_view(keyText_).substr(keys_[i].start, keys_[i].length);
        });
        if (index == kNone) return std::nullopt;
    }
    return ColumnsAt(index);
}

std::optional<EntryColumns> ColumnSnapshot::Find(std::wstring_view hostName) const {
    {
        const std::lock_guard<std::mutex> lock(indexLock_);
        IndexNames();
        const size_t index = LookUp(byWideHostName_, hostName, [this](size_t i) { return WideHostName(i); });
        if (index != kNone) return ColumnsAt(index);
    }
    // A name the code page cannot spell is no catalogued name.
    const std::optional<std::string> name = win32::ExactAnsiName(hostName);
    return name ? Find(std::string_view(*name)) : std::nullopt;
}

}  // namespace morvane
