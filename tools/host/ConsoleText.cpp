#include "ConsoleText.h"

#include <windows.h>

#include <cstdio>

namespace mvhost {

size_t DisplayWidth(std::string_view utf8) {
    size_t width = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++width;
    return width;
}

void Print(const std::string& utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fflush(stdout);
}

}  // namespace mvhost
