#include "catalogue/EntryName.h"

namespace morvane {

std::optional<std::wstring> EntryNameOf(std::wstring_view hostName) {
    if (!hostName.empty() && hostName.front() == L'\\') hostName.remove_prefix(1);
    if (hostName.find(L'\\') != std::wstring_view::npos) return std::nullopt;
    return std::wstring(hostName);
}

}  // namespace morvane
