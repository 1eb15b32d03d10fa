// Writes a picture as an uncompressed 24-bit BMP file, the format every
// viewer reads.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace uidriver {

// `pixels` are 32-bit BGRX rows from the top, width * height of them. On
// failure `error` says why and the file may be partly written.
bool WriteBmpFile(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels,
                  std::string& error);

}  // namespace uidriver
