// A walk over the store's values while other processes change them may read
// one value twice; acting on both reads would, for instance, mount an image
// twice.
#pragma once

#include <vector>

#include "catalogue/StoredImage.h"

namespace morvane {

// Keeps the first record of each value name (exact bytes), in order.
void DropRepeats(std::vector<StoredImage>& images);

}  // namespace morvane
