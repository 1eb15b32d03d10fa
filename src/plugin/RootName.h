// The folder's default name in the file manager.
#pragma once

namespace morvane {

constexpr const char kRootName[] = "Morvanes";

// Copies the root name into a buffer of `size` characters, shortened to fit
// with its terminator. A size of 0 or less writes nothing.
void CopyRootName(char* buffer, int size);

}  // namespace morvane
