#include "catalogue/ListedName.h"

#include "win32/AnsiText.h"

namespace morvane {

std::wstring ListedNameOf(const StoredImage& image) {
    std::wstring nameField = win32::WideText(FieldView(image.record.findData.cFileName));
    // Equal texts are equal in any case, and spare the comparison.
    if (nameField == image.valueName) return nameField;
    return win32::WideLowerCase(nameField) == win32::WideLowerCase(image.valueName) ? nameField : image.valueName;
}

}  // namespace morvane
