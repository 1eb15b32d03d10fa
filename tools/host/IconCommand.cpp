// icon NAME: what the plug-in answers when the file manager asks for an
// entry's icon. The export is optional in the interface.
#include <windows.h>

#include <cstring>

#include "Commands.h"
#include "ConsoleText.h"
#include "win32/UniqueHandle.h"

namespace mvhost {
namespace {

// The interface's icon flags and results.
constexpr int kIconFlagSmall = 1;
constexpr int kIconUseDefault = 0;
constexpr int kIconExtracted = 1;
constexpr int kIconExtractedDestroy = 2;
constexpr int kIconDelayed = 3;

const char* IconResultWord(int result) {
    switch (result) {
        case kIconUseDefault: return "use the default icon";
        case kIconExtracted: return "icon extracted (the plug-in keeps it)";
        case kIconExtractedDestroy: return "icon extracted (the host destroys it)";
        case kIconDelayed: return "extract later, in the background";
        default: return "unknown result";
    }
}

// Width and height of the icon's image, "?" when it cannot be read.
std::string IconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return "?";
    morvane::win32::GdiObject color(reinterpret_cast<HGDIOBJ>(info.hbmColor));
    morvane::win32::GdiObject mask(reinterpret_cast<HGDIOBJ>(info.hbmMask));
    BITMAP bitmap{};
    const HGDIOBJ source = color ? color.Get() : mask.Get();
    if (!source || !GetObjectA(source, sizeof bitmap, &bitmap)) return "?";
    // A monochrome icon's mask holds the image and the mask one above the other.
    const LONG height = color ? bitmap.bmHeight : bitmap.bmHeight / 2;
    return std::to_string(bitmap.bmWidth) + "x" + std::to_string(height);
}

}  // namespace

int IconCommand(const PluginCalls& calls, const HostOptions& options) {
    if (options.arguments.size() != 1) return kExitUsage;
    if (!calls.FsExtractCustomIcon) {
        Print("the plug-in has no FsExtractCustomIcon export: the file manager shows its default icons\n");
        return kExitNoPlugin;
    }
    // The name buffer is in and out: the plug-in may name a cached icon.
    char name[MAX_PATH] = {};
    const std::string remote = RemoteName(options.arguments[0]);
    if (remote.size() >= sizeof name) return kExitUsage;
    std::memcpy(name, remote.data(), remote.size());
    HICON icon = nullptr;
    const int result = calls.FsExtractCustomIcon(name, options.small ? kIconFlagSmall : 0, &icon);
    name[sizeof name - 1] = '\0';

    std::string report = "FsExtractCustomIcon " + AnsiToUtf8(remote) + ": " + std::to_string(result) + " (" +
                         IconResultWord(result) + ")";
    if ((result == kIconExtracted || result == kIconExtractedDestroy) && icon)
        report += ", " + IconSize(icon) + ", name now " + AnsiToUtf8(name);
    Print(report + "\n");
    // The interface hands this one icon over to the host.
    morvane::win32::IconHandle owned(result == kIconExtractedDestroy ? icon : nullptr);
    const bool extracted = result == kIconExtracted || result == kIconExtractedDestroy;
    return result == kIconUseDefault || (extracted && icon) ? kExitOk : kExitFailed;
}

}  // namespace mvhost
