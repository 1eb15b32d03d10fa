#include "catalogue/ListedName.h"

#include "win32/AnsiText.h"

namespace morvane {

std::string_view ListedNameOf(const StoredImage& image) {
    const std::string_view nameField = FieldView(image.record.findData.cFileName);
    return win32::AnsiEqualNoCase(nameField, image.valueName) ? nameField : std::string_view(image.valueName);
}

}  // namespace morvane
