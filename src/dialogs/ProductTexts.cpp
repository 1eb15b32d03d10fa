// Kept as UTF-8 here; the build compiles this file with Windows-1251 as its
// execution character set, so the Cyrillic texts come out as the dialogs show
// them.
#include "dialogs/ProductTexts.h"

#include "res/ProductInfo.h"

static_assert(sizeof("Ё") == 2, "this file must be compiled with -fexec-charset=CP1251");

namespace morvane {

ProductLines EnglishProductLines(const std::string& developerLabel) {
    return {developerLabel + " " MORVANE_DEVELOPER_LATIN, MORVANE_ORGANISATION_LINE_ENGLISH};
}

ProductLines RussianProductLines() { return {MORVANE_DEVELOPER_LINE_RUSSIAN, MORVANE_ORGANISATION_LINE_RUSSIAN}; }

}  // namespace morvane
