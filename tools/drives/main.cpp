// mvdrives.exe: the drive letters the system knows, what each is bound to and,
// for the virtual-disk driver's drives, the image the driver says it serves.
// The shell's own commands cannot show these drives: they have no root
// directory until a file system is mounted on them.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "driver/Driver.h"
#include "driver/ImageInfo.h"

namespace {

std::string BoundTo(char letter) {
    const char name[] = {letter, ':', '\0'};
    char target[1024] = {};
    // The first of the zero-separated targets is the one in force.
    if (QueryDosDeviceA(name, target, sizeof target) == 0) return "?";
    target[sizeof target - 1] = '\0';
    return target;
}

// The image name of the driver's answer, never past the bytes it returned.
std::string ServedImage(char letter) {
    uint8_t answer[morvane::kQueryAnswerSize] = {};
    size_t returned = 0;
    if (morvane::DriverQuery(letter, answer, &returned) != morvane::DriverResult::Done) return std::string();
    uint16_t nameLength = 0;
    std::memcpy(&nameLength, answer + offsetof(morvane::FileDiskImageInfo, nameLength), sizeof nameLength);
    const size_t available = returned - morvane::kImageInfoFixedSize;
    const char* name = reinterpret_cast<const char*>(answer) + morvane::kImageInfoFixedSize;
    return std::string(name, strnlen(name, nameLength < available ? nameLength : available));
}

}  // namespace

int main() {
    const DWORD drives = GetLogicalDrives();
    std::printf("%-6s %-40s %s\n", "Drive", "Bound to", "Image served");
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if ((drives & (1u << (letter - 'A'))) == 0) continue;
        const std::string image = ServedImage(letter);
        std::printf("%c:     %-40s %s\n", letter, BoundTo(letter).c_str(), image.empty() ? "-" : image.c_str());
    }
    return 0;
}
