#include "drive/Driver.h"

#include <windows.h>

namespace morvane {

int DriverMount(uint32_t, const uint8_t*, int) {
    // Not built yet: nothing was bound.
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return -1;
}

int DriverUnmount(char, bool) {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return -1;
}

}  // namespace morvane
