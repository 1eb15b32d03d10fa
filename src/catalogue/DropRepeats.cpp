#include "catalogue/DropRepeats.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace morvane {

void DropRepeats(std::vector<StoredImage>& images) {
    // Positions sorted by name, then by position: the first of a name leads
    // its run. No allocation per record, as a set of the names seen needs.
    std::vector<size_t> byName(images.size());
    std::iota(byName.begin(), byName.end(), size_t{0});
    std::sort(byName.begin(), byName.end(), [&images](size_t a, size_t b) {
        const int order = images[a].valueName.compare(images[b].valueName);
        return order != 0 ? order < 0 : a < b;
    });
    std::vector<bool> repeat(images.size(), false);
    for (size_t i = 1; i < byName.size(); ++i)
        if (images[byName[i]].valueName == images[byName[i - 1]].valueName) repeat[byName[i]] = true;

    size_t kept = 0;
    for (size_t i = 0; i < images.size(); ++i) {
        if (repeat[i]) continue;
        if (kept != i) images[kept] = std::move(images[i]);
        ++kept;
    }
    images.resize(kept);
}

}  // namespace morvane
