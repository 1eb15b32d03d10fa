// Every entry as one listing found it: what the file manager receives for it
// and its columns. A listing hands the entries out from its own snapshot,
// whatever other listings or calls do meanwhile, and the file manager may
// ask for a column's value from another thread while the next listing
// rebuilds the catalogue: no one changes a snapshot while another thread can
// read it, and values are read from it alone, with no registry read and no
// driver request per value.
//
// A listing without columns must not pay for them: the listing only copies
// the records, texts and flags into buffers, which keep their memory from
// one filling to the next; the look-up tables are made on the first look-up.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Catalogue.h"
#include "catalogue/DriveTable.h"
#include "plugin/PanelColumns.h"

namespace morvane {

// An entry as the listing hands it to the file manager: the record's stored
// find data and the name it is listed by (see ListedNameOf).
struct ListedEntry {
    const FindData* findData;
    std::wstring_view name;
};

class ListingSnapshot {
public:
    ListingSnapshot() = default;
    ListingSnapshot(const ListingSnapshot&) = delete;
    ListingSnapshot& operator=(const ListingSnapshot&) = delete;

    // Takes every entry of the catalogue in place of the last ones, in the
    // listing's order. Only while no other thread can read the snapshot.
    void Fill(const Catalogue& catalogue, const DriveTable& drives);

    size_t Count() const { return entries_.size(); }
    // Views into the snapshot; `index` below Count().
    ListedEntry EntryAt(size_t index) const;

    // The entry a file manager's name addresses ("\name", in any case, see
    // EntryNameOf); nothing when the listing had none. The file manager asks
    // by the names the listing gave it, which are found without converting
    // or lowering anything. The path views into the snapshot.
    std::optional<EntryColumns> Find(std::wstring_view hostName) const;

private:
    struct Span {
        uint32_t start;
        uint32_t length;
    };
    struct Entry {
        // "\" and the name the listing gave, and the image path, in text_.
        Span hostName;
        Span imagePath;
        FindData findData;
        char mountedOn;
        bool readOnly;
        bool restoreAtLogon;
        const char* mode;
    };
    // Open addressing: entry index + 1 in each slot, 0 for an empty one.
    using Table = std::vector<uint32_t>;

    std::wstring_view Text(Span span) const;
    EntryColumns ColumnsAt(size_t index) const;
    // The table of the exact names, made once per filling.
    void IndexNames() const;
    // The table of the catalogue keys, for names in another case.
    void IndexKeys() const;

    std::wstring text_;
    std::vector<Entry> entries_;

    mutable std::mutex indexLock_;
    mutable bool namesIndexed_ = false;
    mutable bool keysIndexed_ = false;
    mutable Table byHostName_;
    mutable std::string keyText_;
    mutable std::vector<Span> keys_;
    mutable Table byKey_;
};

}  // namespace morvane
