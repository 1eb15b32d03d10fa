#include "driver/DeviceNames.h"

#include "driver/DriverProtocol.h"

namespace morvane {

std::string DeviceObjectName(int family, uint32_t deviceNumber) {
    const char* stem = family == kFamilyCdDvd    ? MV_CD_DVD_DEVICE_STEM
                       : family == kFamilyFloppy ? MV_FLOPPY_DEVICE_STEM
                                                 : MV_HARD_DISK_DEVICE_STEM;
    return stem + std::to_string(deviceNumber);
}

std::string DriverSubject() { return MV_DRIVER_NAME ":"; }

}  // namespace morvane
