// Registering and removing a selection of images through the plug-in's
// exports, one call per image as the file manager makes them, against the
// store's own work for the same images done directly in the same process.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "host/PluginCalls.h"

namespace morvane::bench {

struct BulkRuns {
    size_t images = 0;
    // Whether the calls came inside the file manager's operation brackets.
    bool bracketed = false;
    // Per run: the floor's writing and deleting of the values, and the
    // plug-in's registering and removing of the images.
    std::vector<double> floorWriteMs;
    std::vector<double> floorDeleteMs;
    std::vector<double> registerMs;
    std::vector<double> removeMs;
    // Whether every run registered and removed every image.
    bool complete = true;
};

// `runs` rounds over the first `images` of `localPaths`, each starting from
// an empty store, the floor and the plug-in taking turns at going first.
BulkRuns MeasureBulk(const mvhost::PluginCalls& fs, const std::vector<std::string>& localPaths, size_t images,
                     bool bracketed, int runs);

// `count` image files of zero bytes in `folder` (with its trailing
// backslash), named as BenchImageName names them; their full paths, or
// nothing when one cannot be made.
std::vector<std::string> MakeImageFiles(const std::string& folder, size_t count);

}  // namespace morvane::bench
