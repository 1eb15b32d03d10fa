#include "imageops/ImageClass.h"

#include "catalogue/FileInfo.h"

namespace morvane {
namespace {

constexpr uint32_t kFloppySizes[] = {163840, 184320, 327680, 368640, 655360, 737280, 1228800, 1474560, 2949120};
constexpr std::string_view kCdDvdExtensions[] = {"iso", "bin", "nrg"};

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The extensions are plain ASCII: no lead or trail byte of a double-byte
// character can equal one of their letters at the same place, so folding
// ASCII case alone is the multibyte-aware comparison.
bool EqualsNoCase(std::string_view text, std::string_view lowerAscii) {
    if (text.size() != lowerAscii.size()) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (AsciiLower(text[i]) != lowerAscii[i]) return false;
    return true;
}

bool IsCdDvdExtension(std::string_view extension) {
    for (std::string_view known : kCdDvdExtensions)
        if (EqualsNoCase(extension, known)) return true;
    return false;
}

}  // namespace

std::string_view ExtensionOf(std::string_view displayName) {
    const size_t dot = displayName.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : displayName.substr(dot + 1);
}

bool IsFloppySize(uint32_t sizeHigh, uint32_t sizeLow) {
    if (sizeHigh != 0) return false;
    for (uint32_t size : kFloppySizes)
        if (size == sizeLow) return true;
    return false;
}

ImageDefaults ClassifyImage(std::string_view displayName, uint32_t sizeHigh, uint32_t sizeLow) {
    if (IsCdDvdExtension(ExtensionOf(displayName))) return {'Z', kModeReadOnly | kModeCdDvd};
    if (IsFloppySize(sizeHigh, sizeLow)) return {'B', kModeFloppy};
    return {'Z', 0};
}

}  // namespace morvane
