// For each drive letter A to Z, the display name of the catalogued image
// known to be mounted there, or the empty text.
#pragma once

#include <array>
#include <string>

#include "catalogue/FileInfo.h"

namespace morvane {

class DriveTable {
public:
    // Only the letters A to Z index the table; any other reads empty and is
    // never written.
    const std::string& Name(char letter) const {
        static const std::string kNone;
        return IsDriveLetter(letter) ? names_[letter - 'A'] : kNone;
    }
    void Set(char letter, const std::string& displayName) {
        if (IsDriveLetter(letter)) names_[letter - 'A'] = displayName;
    }
    void Clear() {
        for (std::string& name : names_) name.clear();
    }

private:
    std::array<std::string, 26> names_;
};

}  // namespace morvane
