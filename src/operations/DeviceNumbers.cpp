#include "operations/DeviceNumbers.h"

namespace morvane {

int LowestFreeDeviceNumber(int family, const std::vector<DeviceUse>& uses) {
    uint32_t held = 0;
    for (const DeviceUse& use : uses) {
        if (use.mounted && use.family == family) held |= uint32_t{1} << (use.deviceNumber % kDeviceNumberCount);
    }
    int number = 0;
    while (number < kDeviceNumberCount && (held & (uint32_t{1} << number)) != 0) ++number;
    return number;
}

}  // namespace morvane
