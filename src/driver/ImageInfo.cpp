#include "driver/ImageInfo.h"

#include <algorithm>
#include <cstring>
#include <optional>

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

namespace {

// The answer's name, or nothing when it did not come back whole: a name
// longer than what came back could end in anything, and an empty one would
// agree with every image.
std::optional<std::string_view> AnsweredName(const uint8_t* answer, size_t returned) {
    if (returned < kImageInfoFixedSize) return std::nullopt;
    uint16_t nameLength;
    std::memcpy(&nameLength, answer + offsetof(FileDiskImageInfo, nameLength), sizeof nameLength);
    if (nameLength == 0 || nameLength > returned - kImageInfoFixedSize) return std::nullopt;
    return std::string_view(reinterpret_cast<const char*>(answer + kImageInfoFixedSize), nameLength);
}

}  // namespace

bool AnswerNamesImage(const uint8_t* answer, size_t returned, std::string_view kernelPath) {
    const std::optional<std::string_view> answered = AnsweredName(answer, returned);
    if (!answered) return false;
    const char* name = answered->data();
    const size_t nameLength = answered->size();
    for (size_t i = 0; i < nameLength; ++i) {
        const char mine = i < kernelPath.size() ? kernelPath[i] : '\0';
        if (name[i] != mine) return false;
        if (mine == '\0') return true;
    }
    return true;
}

bool AnswerIsImage(const uint8_t* answer, size_t returned, std::string_view kernelPath) {
    const std::optional<std::string_view> answered = AnsweredName(answer, returned);
    return answered && *answered == kernelPath;
}

}  // namespace morvane
