#include "imageops/ImageClass.h"

#include "catalogue/FileInfo.h"

namespace morvane {
namespace {

constexpr uint32_t kFloppySizes[] = {163840, 184320, 327680, 368640, 655360, 737280, 1228800, 1474560, 2949120};
constexpr std::string_view kCdDvdExtensions[] = {"iso", "bin", "nrg"};
constexpr std::string_view kDiskImageExtensions[] = {"img", "ima"};

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

template <size_t N>
bool IsOneOf(std::string_view extension, const std::string_view (&known)[N]) {
    for (std::string_view k : known)
        if (EqualsNoCase(extension, k)) return true;
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
    if (IsOneOf(ExtensionOf(displayName), kCdDvdExtensions)) return {'Z', kModeReadOnly | kModeCdDvd};
    if (IsFloppySize(sizeHigh, sizeLow)) return {'B', kModeFloppy};
    return {'Z', 0};
}

PanelIcon PanelIconOf(std::string_view displayName) {
    // A name without a full stop has no extension at all, not an empty one.
    if (displayName.find('.') == std::string_view::npos) return PanelIcon::Default;
    const std::string_view extension = ExtensionOf(displayName);
    if (IsOneOf(extension, kCdDvdExtensions)) return PanelIcon::CdDvd;
    if (IsOneOf(extension, kDiskImageExtensions)) return PanelIcon::DiskImage;
    return PanelIcon::Default;
}

}  // namespace morvane
