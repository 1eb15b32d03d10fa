// A dialog template's initialisation data (resource type 240, same identifier
// as the template): items that the dialog adds to its list and combo boxes
// when it opens. Bytes in, entries out; needs no Win32 call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morvane::ui {

constexpr uint16_t kDialogInitResourceType = 240;
// The messages as the data names them, which differ from today's values.
constexpr uint16_t kDialogInitListBoxAddString = 0x0401;
constexpr uint16_t kDialogInitComboBoxAddString = 0x0403;

struct DialogInitEntry {
    uint16_t controlId = 0;
    uint16_t message = 0;
    // The data up to its first zero byte (all of it if it has none).
    std::string text;
};

// The data is a run of entries, each a little-endian word control id, word
// message, double-word length and that many bytes, ended by a zero control id.
// Nothing when an entry runs past the end or the end marker is missing.
std::optional<std::vector<DialogInitEntry>> ParseDialogInitData(const uint8_t* data, size_t size);

}  // namespace morvane::ui
