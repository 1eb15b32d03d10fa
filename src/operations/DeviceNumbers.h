// Device numbers of the driver's device objects: each family numbers its own
// from 0, and the catalogue's mounted records tell which are taken.
#pragma once

#include <cstdint>
#include <vector>

namespace morvane {

constexpr int kDeviceNumberCount = 32;

// What one catalogue record holds.
struct DeviceUse {
    int family;
    uint32_t deviceNumber;
    bool mounted;
};

// The lowest number 0..31 that no mounted record of `family` holds, or 32
// when all are held. A number above 31 holds the number modulo 32.
int LowestFreeDeviceNumber(int family, const std::vector<DeviceUse>& uses);

}  // namespace morvane
