// The per-image record: the catalogue entry in memory and, byte for byte, the
// REG_BINARY value of the store, which both builds of the plug-in and every
// catalogue already stored share. Its layout must never change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace morvane {

// Same layout as WIN32_FIND_DATAA, which no member's size changes between
// 32-bit and 64-bit Windows: both plug-ins read the records either wrote.
// Declared here so that the record builds and is tested without the Windows
// headers; the plug-in checks it against them.
struct FindData {
    uint32_t dwFileAttributes;
    uint32_t ftCreationTime[2];
    uint32_t ftLastAccessTime[2];
    uint32_t ftLastWriteTime[2];
    uint32_t nFileSizeHigh;
    uint32_t nFileSizeLow;
    uint32_t dwReserved0;
    uint32_t dwReserved1;
    char cFileName[260];
    char cAlternateFileName[14];
};

// Mount-mode bits; the mode shifted right by one is the driver's device family.
enum MountModeBits : uint32_t {
    kModeReadOnly = 1,
    kModeCdDvd = 2,
    kModeFloppy = 4,
};

enum DeviceFamily : int {
    kFamilyHardDisk = 0,
    kFamilyCdDvd = 1,
    kFamilyFloppy = 2,
};

struct CFileInfo {
    FindData findData;
    char imagePath[260];
    char driveLetter;
    uint8_t gap581[3];
    uint32_t deviceNumber;
    uint32_t mountMode;
    uint8_t mounted;
    uint8_t restoreAtLogon;
    uint8_t gap594[2];
};

constexpr size_t kFileInfoSize = 596;
constexpr size_t kFindDataSize = 320;
constexpr size_t kTextFieldSize = 260;

static_assert(sizeof(FindData) == kFindDataSize, "find data block is 320 bytes");
static_assert(sizeof(CFileInfo) == kFileInfoSize, "record is 596 bytes");
static_assert(offsetof(CFileInfo, findData) == 0);
static_assert(offsetof(FindData, dwFileAttributes) == 0);
static_assert(offsetof(FindData, ftCreationTime) == 4);
static_assert(offsetof(FindData, ftLastAccessTime) == 12);
static_assert(offsetof(FindData, ftLastWriteTime) == 20);
static_assert(offsetof(FindData, nFileSizeHigh) == 28);
static_assert(offsetof(FindData, nFileSizeLow) == 32);
static_assert(offsetof(FindData, dwReserved0) == 36);
static_assert(offsetof(FindData, dwReserved1) == 40);
static_assert(offsetof(FindData, cFileName) == 44);
static_assert(offsetof(FindData, cAlternateFileName) == 304);
static_assert(offsetof(CFileInfo, imagePath) == 320);
static_assert(offsetof(CFileInfo, driveLetter) == 580);
static_assert(offsetof(CFileInfo, deviceNumber) == 584);
static_assert(offsetof(CFileInfo, mountMode) == 588);
static_assert(offsetof(CFileInfo, mounted) == 592);
static_assert(offsetof(CFileInfo, restoreAtLogon) == 593);

// A new record is all zero bytes, gaps included, so stored values are stable.
inline CFileInfo EmptyFileInfo() {
    CFileInfo info;
    std::memset(&info, 0, sizeof info);
    return info;
}

// A fixed field up to its terminator, never past the field: a damaged or
// foreign value may lack the terminator. A view into the field.
template <size_t N>
std::string_view FieldView(const char (&field)[N]) {
    size_t len = 0;
    while (len < N && field[len] != '\0') ++len;
    return std::string_view(field, len);
}

// The same as a copy.
template <size_t N>
std::string FieldText(const char (&field)[N]) {
    return std::string(FieldView(field));
}

// Stores text with its terminator; refuses (and leaves the field unchanged)
// when it does not fit, rather than truncating it into another name.
template <size_t N>
bool SetFieldText(char (&field)[N], std::string_view text) {
    if (text.size() >= N || text.find('\0') != std::string_view::npos) return false;
    std::memcpy(field, text.data(), text.size());
    std::memset(field + text.size(), 0, N - text.size());
    return true;
}

inline std::string DisplayNameOf(const CFileInfo& info) { return FieldText(info.findData.cFileName); }
inline std::string ImagePathOf(const CFileInfo& info) { return FieldText(info.imagePath); }

inline int FamilyOfMode(uint32_t mode) { return static_cast<int>(mode >> 1); }

// CD/DVD images are always attached writable: the medium itself is read-only.
inline bool RequestsReadOnly(uint32_t mode) {
    return (mode & kModeReadOnly) != 0 && mode != (kModeCdDvd | kModeReadOnly);
}

// A stored mode as the user sees it: the device family, and whether it is
// read-only. A CD/DVD always is; codes the plug-in never writes (6 and up)
// are a hard disk, as the driver's families take them, and keep their
// read-only bit.
struct ShownMode {
    DeviceFamily family;
    bool readOnly;
};
inline ShownMode ShownModeOf(uint32_t mode) {
    switch (FamilyOfMode(mode)) {
    case kFamilyCdDvd:
        return {kFamilyCdDvd, true};
    case kFamilyFloppy:
        return {kFamilyFloppy, (mode & kModeReadOnly) != 0};
    default:
        return {kFamilyHardDisk, (mode & kModeReadOnly) != 0};
    }
}

// Whether a forced dismount can lose data written to the image.
inline bool IsWritableMode(uint32_t mode) { return (mode & kModeReadOnly) == 0 && mode != kModeCdDvd; }

inline bool IsDriveLetter(char letter) { return letter >= 'A' && letter <= 'Z'; }

// A letter as messages show it: a stored byte outside A to Z (a zero, say)
// would end the text or garble it.
inline char DisplayLetter(char letter) { return IsDriveLetter(letter) ? letter : '?'; }

}  // namespace morvane
