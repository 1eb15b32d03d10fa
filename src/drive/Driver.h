// Requests to the virtual-disk driver. Each call opens its own handle and
// closes it before it returns.
#pragma once

#include <cstddef>
#include <cstdint>

namespace morvane {

// Asks the volume of `letter` which image it serves. 0: `answer` (276 bytes)
// holds at least 16 bytes, their count in `*returned`; -1: the letter cannot
// be opened, refused the request, or answered too little. Reports nothing;
// the thread's last error tells the cause.
int DriverQuery(char letter, uint8_t* answer, size_t* returned);

}  // namespace morvane
