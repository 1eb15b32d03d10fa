#include "harness/DriveLetters.h"

#include <windows.h>

namespace morvane::test {

bool DriveListed(char letter) {
    return letter >= 'A' && letter <= 'Z' && (GetLogicalDrives() & (1u << (letter - 'A'))) != 0;
}

bool DriveDefined(char letter) {
    const char name[] = {letter, ':', '\0'};
    char target[1024];
    return QueryDosDeviceA(name, target, sizeof target) != 0;
}

}  // namespace morvane::test
