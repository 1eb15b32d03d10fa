// The defaults a newly added image gets from its name and size: CD/DVD by
// extension first, then floppy by exact size, otherwise hard disk.
#pragma once

#include <cstdint>
#include <string_view>

namespace morvane {

struct ImageDefaults {
    char driveLetter;
    uint32_t mountMode;
};

// The part after the last full stop; empty when there is none.
std::wstring_view ExtensionOf(std::wstring_view displayName);

// One of the nine standard floppy sizes (160 KiB to 2880 KiB); a file of
// 4 GiB or more never is.
bool IsFloppySize(uint32_t sizeHigh, uint32_t sizeLow);

ImageDefaults ClassifyImage(std::wstring_view displayName, uint32_t sizeHigh, uint32_t sizeLow);

// The icon the folder shows for an entry, by its name's extension alone.
enum class PanelIcon { Default, CdDvd, DiskImage };
PanelIcon PanelIconOf(std::wstring_view displayName);

}  // namespace morvane
