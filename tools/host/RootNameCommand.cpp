// rootname [SIZE]: the folder's default name, fetched into a buffer of SIZE
// characters followed by guard bytes that must stay untouched.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "Commands.h"
#include "ConsoleText.h"

namespace mvhost {
namespace {

constexpr size_t kGuardBytes = 16;
constexpr char kGuard = '\x5A';
// What the file manager passes: the root name is a name, never a path.
constexpr int kDefaultSize = MAX_PATH;

bool ParseSize(const std::string& text, int& size) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < -100000 || value > 100000) return false;
    size = static_cast<int>(value);
    return true;
}

}  // namespace

int RootNameCommand(const PluginCalls& calls, const HostOptions& options) {
    if (options.arguments.size() > 1) return kExitUsage;
    int size = kDefaultSize;
    if (!options.arguments.empty() && !ParseSize(options.arguments[0], size)) return kExitUsage;
    if (!calls.FsGetDefRootName) {
        Print("the plug-in has no FsGetDefRootName export\n");
        return kExitNoPlugin;
    }

    const size_t usable = size > 0 ? static_cast<size_t>(size) : 0;
    std::vector<char> buffer(usable + kGuardBytes, kGuard);
    calls.FsGetDefRootName(buffer.data(), size);

    for (size_t i = usable; i < buffer.size(); ++i) {
        if (buffer[i] != kGuard) {
            Print("FsGetDefRootName wrote past the buffer of " + std::to_string(size) + "\n");
            return kExitFailed;
        }
    }
    if (usable == 0) {
        Print("nothing written (size " + std::to_string(size) + ")\n");
        return kExitOk;
    }
    const void* terminator = std::memchr(buffer.data(), '\0', usable);
    if (!terminator) {
        Print("FsGetDefRootName left the buffer of " + std::to_string(size) + " without a terminator\n");
        return kExitFailed;
    }
    Print("\"" + AnsiToUtf8(buffer.data()) + "\"\n");
    return kExitOk;
}

}  // namespace mvhost
