// The About dialog's developer and organisation lines, in both languages.
#pragma once

#include <string>

namespace morvane {

struct ProductLines {
    std::string developer;     // a label, a blank and the developers' name
    std::string organisation;  // the maker and the year
};

// In English, after the language file's own developer label.
ProductLines EnglishProductLines(const std::string& developerLabel);
// In Russian (Windows-1251), with its own label.
ProductLines RussianProductLines();

}  // namespace morvane
