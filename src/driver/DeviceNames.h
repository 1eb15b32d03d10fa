// Names of the driver's device objects and of a drive letter's volume.
#pragma once

#include <cstdint>
#include <string>

#include "catalogue/FileInfo.h"

namespace morvane {

// "\Device\MV_FileDisk\MV_FileDiskCd<n>" for CD/DVD, "...Flp<n>" for
// floppies, "...MV_FileDisk<n>" for hard disks and any other family.
std::string DeviceObjectName(int family, uint32_t deviceNumber);

inline std::string VolumePath(char letter) { return std::string("\\\\.\\") + letter + ':'; }
// Only letters A to Z are ever bound; any other is named in a message only.
inline std::string DosDeviceName(char letter) { return std::string(1, DisplayLetter(letter)) + ':'; }
inline std::string ShellDrivePath(char letter) { return std::string(1, letter) + ":\\"; }
// What a message names when the driver itself refused a request.
std::string DriverSubject();

}  // namespace morvane
