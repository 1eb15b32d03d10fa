// The version as the About dialog shows it: "1.0.0 Final (build 300)". The
// last three digits of the build number name the stage of the release.
#pragma once

#include <cstdint>
#include <string>

namespace morvane {

std::string VersionString(uint16_t major, uint16_t minor, uint16_t patch, uint16_t build);

}  // namespace morvane
