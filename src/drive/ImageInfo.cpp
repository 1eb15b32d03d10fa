#include "drive/ImageInfo.h"

#include <algorithm>
#include <cstring>

namespace morvane {

std::vector<uint8_t> BuildAttachRequest(std::string_view kernelPath, char driveLetter, bool readOnly) {
    const uint16_t nameLength = static_cast<uint16_t>(std::min<size_t>(kernelPath.size(), 0xFFFF));
    std::vector<uint8_t> buffer(AttachInputLength(nameLength), 0);
    auto* info = reinterpret_cast<FileDiskImageInfo*>(buffer.data());
    info->readOnly = readOnly ? 1 : 0;
    info->driveLetter = driveLetter;
    info->nameLength = nameLength;
    std::memcpy(buffer.data() + kImageInfoFixedSize, kernelPath.data(), nameLength);
    return buffer;
}

bool AnswerNamesImage(const uint8_t* answer, size_t returned, std::string_view kernelPath) {
    if (returned < kImageInfoFixedSize) return false;
    uint16_t nameLength;
    std::memcpy(&nameLength, answer + offsetof(FileDiskImageInfo, nameLength), sizeof nameLength);
    // A name longer than what came back is no answer: its missing part could
    // be anything. Nor is an empty one, which would confirm every image.
    if (nameLength == 0 || nameLength > returned - kImageInfoFixedSize) return false;
    const char* name = reinterpret_cast<const char*>(answer + kImageInfoFixedSize);
    for (size_t i = 0; i < nameLength; ++i) {
        const char mine = i < kernelPath.size() ? kernelPath[i] : '\0';
        if (name[i] != mine) return false;
        if (mine == '\0') return true;
    }
    return true;
}

}  // namespace morvane
