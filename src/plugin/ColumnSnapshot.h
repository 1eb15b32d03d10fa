// The columns of every entry as one listing found them. The file manager may
// ask for a value from another thread while the next listing rebuilds the
// catalogue, so each listing makes a snapshot of its own, never changed
// afterwards, and values are read from it alone: no registry read and no
// driver request per value.
#pragma once

#include <string>
#include <unordered_map>

#include "catalogue/Catalogue.h"
#include "catalogue/DriveTable.h"
#include "plugin/PanelColumns.h"

namespace morvane {

class ColumnSnapshot {
public:
    ColumnSnapshot(const Catalogue& catalogue, const DriveTable& drives);

    // By catalogue key (the display name in lower case); null when the
    // listing had no such entry.
    const EntryColumns* Find(const std::string& key) const;

private:
    std::unordered_map<std::string, EntryColumns> entries_;
};

}  // namespace morvane
