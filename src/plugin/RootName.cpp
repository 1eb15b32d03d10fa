#include "plugin/RootName.h"

#include <cstring>

namespace morvane {

void CopyRootName(char* buffer, int size) {
    if (!buffer || size <= 0) return;
    const size_t length = std::strlen(kRootName);
    const size_t copied = length < static_cast<size_t>(size) ? length : static_cast<size_t>(size) - 1;
    std::memcpy(buffer, kRootName, copied);
    buffer[copied] = '\0';
}

}  // namespace morvane
