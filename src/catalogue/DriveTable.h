// For each drive letter A to Z, the value name of the catalogued image
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
    const std::wstring& Name(char letter) const {
        static const std::wstring kNone;
        return IsDriveLetter(letter) ? names_[letter - 'A'] : kNone;
    }
    void Set(char letter, const std::wstring& valueName) {
        if (IsDriveLetter(letter)) names_[letter - 'A'] = valueName;
    }
    void Clear() {
        for (std::wstring& name : names_) name.clear();
    }

private:
    std::array<std::wstring, 26> names_;
};

}  // namespace morvane
