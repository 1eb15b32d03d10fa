// The image path as the driver sees it, in the kernel's name space.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

// \\server\share\x.iso -> \??\UNC\server\share\x.iso; \x.iso stays as it is;
// C:\x.iso -> \??\C:\x.iso.
std::string KernelImagePath(std::string_view imagePath);

}  // namespace morvane
