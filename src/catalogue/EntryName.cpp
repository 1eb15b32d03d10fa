#include "catalogue/EntryName.h"

#include "win32/AnsiText.h"

namespace morvane {

std::optional<std::string> EntryNameOf(std::string_view hostName) {
    // A lead byte is never a backslash: the first byte may be tested alone.
    if (!hostName.empty() && hostName.front() == '\\') hostName.remove_prefix(1);
    if (!win32::UpToLastBackslash(hostName).empty()) return std::nullopt;
    return std::string(hostName);
}

}  // namespace morvane
