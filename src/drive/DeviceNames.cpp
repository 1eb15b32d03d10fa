#include "drive/DeviceNames.h"

#include <cstdio>

namespace morvane {

std::string DeviceObjectName(int family, uint32_t deviceNumber) {
    const char* pattern = family == 1   ? "\\Device\\MV_FileDisk\\MV_FileDiskCd%u"
                          : family == 2 ? "\\Device\\MV_FileDisk\\MV_FileDiskFlp%u"
                                        : "\\Device\\MV_FileDisk\\MV_FileDisk%u";
    char name[256];
    std::snprintf(name, sizeof name, pattern, static_cast<unsigned>(deviceNumber));
    return name;
}

}  // namespace morvane
