#include "uidriver/BmpFile.h"

#include "uidriver/Utf8Text.h"
#include "win32/UniqueHandle.h"

namespace uidriver {
namespace {

bool WriteAll(HANDLE file, const void* data, size_t size) {
    DWORD written = 0;
    return size <= MAXDWORD && WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr) && written == size;
}

}  // namespace

bool WriteBmpFile(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels,
                  std::string& error) {
    if (width <= 0 || height <= 0 || pixels.size() != static_cast<size_t>(width) * static_cast<size_t>(height)) {
        error = "no picture";
        return false;
    }
    // Rows are stored from the bottom, each padded to four bytes.
    const size_t rowSize = (static_cast<size_t>(width) * 3 + 3) & ~static_cast<size_t>(3);
    const size_t imageSize = rowSize * static_cast<size_t>(height);
    BITMAPFILEHEADER header{};
    BITMAPINFOHEADER info{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = static_cast<DWORD>(header.bfOffBits + imageSize);
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(imageSize);

    std::vector<uint8_t> image(imageSize, 0);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = image.data() + rowSize * static_cast<size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
            row[x * 3] = static_cast<uint8_t>(pixel);
            row[x * 3 + 1] = static_cast<uint8_t>(pixel >> 8);
            row[x * 3 + 2] = static_cast<uint8_t>(pixel >> 16);
        }
    }

    morvane::win32::FileHandle file(CreateFileW(Utf8ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        error = "cannot create the file (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    if (!WriteAll(file.Get(), &header, sizeof header) || !WriteAll(file.Get(), &info, sizeof info) ||
        !WriteAll(file.Get(), image.data(), image.size())) {
        error = "cannot write the file (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    return true;
}

}  // namespace uidriver
