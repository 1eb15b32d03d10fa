#include "operations/ImageClass.h"

#include "catalogue/FileInfo.h"

namespace morvane {
namespace {

constexpr uint32_t kFloppySizes[] = {163840, 184320, 327680, 368640, 655360, 737280, 1228800, 1474560, 2949120};
constexpr std::wstring_view kCdDvdExtensions[] = {L"iso", L"bin", L"nrg"};
constexpr std::wstring_view kDiskImageExtensions[] = {L"img", L"ima"};

wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

// The extensions are plain ASCII: folding ASCII case alone compares them,
// and no other letter's lower case is an ASCII one.
bool EqualsNoCase(std::wstring_view text, std::wstring_view lowerAscii) {
    if (text.size() != lowerAscii.size()) return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (AsciiLower(text[i]) != lowerAscii[i]) return false;
    return true;
}

template <size_t N>
bool IsOneOf(std::wstring_view extension, const std::wstring_view (&known)[N]) {
    for (std::wstring_view k : known)
        if (EqualsNoCase(extension, k)) return true;
    return false;
}

}  // namespace

std::wstring_view ExtensionOf(std::wstring_view displayName) {
    const size_t dot = displayName.rfind(L'.');
    return dot == std::wstring_view::npos ? std::wstring_view() : displayName.substr(dot + 1);
}

bool IsFloppySize(uint32_t sizeHigh, uint32_t sizeLow) {
    if (sizeHigh != 0) return false;
    for (uint32_t size : kFloppySizes)
        if (size == sizeLow) return true;
    return false;
}

ImageDefaults ClassifyImage(std::wstring_view displayName, uint32_t sizeHigh, uint32_t sizeLow) {
    if (IsOneOf(ExtensionOf(displayName), kCdDvdExtensions)) return {'Z', kModeReadOnly | kModeCdDvd};
    if (IsFloppySize(sizeHigh, sizeLow)) return {'B', kModeFloppy};
    return {'Z', 0};
}

PanelIcon PanelIconOf(std::wstring_view displayName) {
    // A name without a full stop has no extension at all, not an empty one.
    if (displayName.find(L'.') == std::wstring_view::npos) return PanelIcon::Default;
    const std::wstring_view extension = ExtensionOf(displayName);
    if (IsOneOf(extension, kCdDvdExtensions)) return PanelIcon::CdDvd;
    if (IsOneOf(extension, kDiskImageExtensions)) return PanelIcon::DiskImage;
    return PanelIcon::Default;
}

}  // namespace morvane
