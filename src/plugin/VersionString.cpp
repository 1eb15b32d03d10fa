#include "plugin/VersionString.h"

namespace morvane {
namespace {

std::string Build(int build) { return " (build " + std::to_string(build) + ")"; }

// 0: no stage; 1-100 alpha, 101-200 beta, 201-299 release candidates, 300-399
// the final release, from 400 service releases counted in hundreds.
std::string Stage(int build) {
    const int d = build % 1000;
    if (d == 0) return std::string();
    if (d <= 100) return " Alpha " + std::to_string(d) + Build(build);
    if (d <= 200) return " Beta " + std::to_string(d - 100) + Build(build);
    if (d <= 299) return " RC " + std::to_string(d - 200) + Build(build);
    if (d <= 399) return " Final" + Build(build);
    return " SR " + std::to_string(d / 100 - 3) + Build(build);
}

}  // namespace

std::string VersionString(uint16_t major, uint16_t minor, uint16_t patch, uint16_t build) {
    return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch) + Stage(build);
}

}  // namespace morvane
