#include "driver/KernelPath.h"

namespace morvane {

std::string KernelImagePath(std::string_view imagePath) {
    if (imagePath.size() >= 2 && imagePath[0] == '\\' && imagePath[1] == '\\')
        return "\\??\\UNC" + std::string(imagePath.substr(1));
    if (!imagePath.empty() && imagePath[0] == '\\') return std::string(imagePath);
    return "\\??\\" + std::string(imagePath);
}

}  // namespace morvane
