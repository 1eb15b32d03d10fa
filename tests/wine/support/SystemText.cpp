#include "support/SystemText.h"

#include "win32/UniqueHandle.h"

namespace morvane::test {

std::string SystemText(DWORD error) {
    char* text = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                       nullptr, error, 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    const win32::LocalMemory owner(text);
    return length && text ? std::string(text, length) : std::string();
}

}  // namespace morvane::test
