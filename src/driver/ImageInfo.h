// The driver takes the image's name and options in this record when it
// attaches an image, and answers in the same shape when asked what it serves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace morvane {

#pragma pack(push, 1)
struct FileDiskImageInfo {
    int64_t imageSize;
    uint8_t readOnly;
    char driveLetter;
    uint16_t nameLength;
    char imageName[1];
};
#pragma pack(pop)

constexpr size_t kImageInfoFixedSize = 12;
static_assert(offsetof(FileDiskImageInfo, readOnly) == 8);
static_assert(offsetof(FileDiskImageInfo, driveLetter) == 9);
static_assert(offsetof(FileDiskImageInfo, nameLength) == 10);
static_assert(offsetof(FileDiskImageInfo, imageName) == kImageInfoFixedSize);

constexpr size_t kQueryAnswerSize = 276;
// Anything shorter cannot even hold the fixed fields and a name.
constexpr size_t kQueryAnswerMinimum = 16;

// The attach request carries the name with its terminator and two more zero
// bytes: the input length the driver expects for a name of that length.
std::vector<uint8_t> BuildAttachRequest(std::string_view kernelPath, char driveLetter, bool readOnly);
inline size_t AttachInputLength(uint16_t nameLength) { return size_t{nameLength} + 15; }

// Whether a query answer names `kernelPath`: the first nameLength bytes agree,
// or both names end at the same place before that. An answer whose
// nameLength is 0 or reaches past the `returned` bytes names nothing.
bool AnswerNamesImage(const uint8_t* answer, size_t returned, std::string_view kernelPath);

// Whether a query answer names exactly `kernelPath`: its nameLength is the
// path's length and every byte agrees. What a detach asks before it acts: a
// longer path of which the answer is a prefix is another file.
bool AnswerIsImage(const uint8_t* answer, size_t returned, std::string_view kernelPath);

}  // namespace morvane
