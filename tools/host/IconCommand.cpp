// icon NAME: what the plug-in answers when the file manager asks for an
// entry's icon. The export is optional in the interface.
#include <windows.h>

#include <algorithm>
#include <string_view>
#include <vector>

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

// What the plug-in left in a name buffer, up to its terminator or the
// buffer's end.
template <typename Char>
std::basic_string_view<Char> BufferView(const std::vector<Char>& name) {
    return std::basic_string_view<Char>(name.data(), std::find(name.begin(), name.end(), Char()) - name.begin());
}

}  // namespace

int IconCommand(const PluginCalls& calls, const HostOptions& options) {
    if (options.arguments.size() != 1) return kExitUsage;
    const bool wide = CallsWide(calls.FsExtractCustomIconW, options);
    if (!wide && !calls.FsExtractCustomIcon) {
        Print("the plug-in has no FsExtractCustomIcon export: the file manager shows its default icons\n");
        return kExitNoPlugin;
    }
    // The name buffer is in and out: the plug-in may name a cached icon.
    const CallText remote(RemoteName(options.arguments[0]), wide);
    std::vector<wchar_t> wideName = NameBuffer(remote.wide);
    std::vector<char> ansiName = NameBuffer(remote.ansi);
    if (wide ? wideName.empty() : ansiName.empty()) return kExitUsage;
    HICON icon = nullptr;
    const int flags = options.small ? kIconFlagSmall : 0;
    const int result = wide ? calls.FsExtractCustomIconW(wideName.data(), flags, &icon)
                            : calls.FsExtractCustomIcon(ansiName.data(), flags, &icon);

    std::string report =
        "FsExtractCustomIcon " + remote.shown + ": " + std::to_string(result) + " (" + IconResultWord(result) + ")";
    if ((result == kIconExtracted || result == kIconExtractedDestroy) && icon) {
        const std::string name = wide ? WideToUtf8(BufferView(wideName)) : AnsiToUtf8(BufferView(ansiName));
        report += ", " + IconSize(icon) + ", name now " + name;
    }
    Print(report + "\n");
    // The interface hands this one icon over to the host.
    morvane::win32::IconHandle owned(result == kIconExtractedDestroy ? icon : nullptr);
    const bool extracted = result == kIconExtracted || result == kIconExtractedDestroy;
    return result == kIconUseDefault || (extracted && icon) ? kExitOk : kExitFailed;
}

}  // namespace mvhost
