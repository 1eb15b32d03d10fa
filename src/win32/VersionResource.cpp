#include "win32/VersionResource.h"

#include <windows.h>

#include <vector>

namespace morvane::win32 {

std::optional<ProductVersion> ReadProductVersion(const std::wstring& moduleFile) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(moduleFile.c_str(), &handle);
    if (size == 0) return std::nullopt;
    std::vector<char> block(size);
    if (!GetFileVersionInfoW(moduleFile.c_str(), 0, size, block.data())) return std::nullopt;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed ||
        length < sizeof *fixed)
        return std::nullopt;
    return ProductVersion{HIWORD(fixed->dwProductVersionMS), LOWORD(fixed->dwProductVersionMS),
                          HIWORD(fixed->dwProductVersionLS), LOWORD(fixed->dwProductVersionLS)};
}

}  // namespace morvane::win32
