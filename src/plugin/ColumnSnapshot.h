// The columns of every entry as one listing found them. The file manager may
// ask for a value from another thread while the next listing rebuilds the
// catalogue, so each listing fills a snapshot of its own, which no one
// changes while another thread can read it, and values are read from it
// alone: no registry read and no driver request per value.
//
// A listing without columns must not pay for them: the listing only copies
// the texts and flags into two buffers, which keep their memory from one
// filling to the next; the look-up tables are made on the first look-up.
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

class ColumnSnapshot {
public:
    ColumnSnapshot() = default;
    ColumnSnapshot(const ColumnSnapshot&) = delete;
    ColumnSnapshot& operator=(const ColumnSnapshot&) = delete;

    // Takes every entry of the catalogue in place of the last ones. Only
    // while no other thread can read the snapshot.
    void Fill(const Catalogue& catalogue, const DriveTable& drives);

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
