#include "PluginCalls.h"

namespace mvhost {
namespace {

template <typename F>
void Resolve(HMODULE module, const char* name, F& slot) {
    slot = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

PluginCalls ResolvePluginCalls(HMODULE module) {
    PluginCalls calls;
    Resolve(module, "FsInit", calls.FsInit);
    Resolve(module, "FsFindFirst", calls.FsFindFirst);
    Resolve(module, "FsFindNext", calls.FsFindNext);
    Resolve(module, "FsFindClose", calls.FsFindClose);
    Resolve(module, "FsGetDefRootName", calls.FsGetDefRootName);
    Resolve(module, "FsSetDefaultParams", calls.FsSetDefaultParams);
    Resolve(module, "FsPutFile", calls.FsPutFile);
    Resolve(module, "FsDeleteFile", calls.FsDeleteFile);
    Resolve(module, "FsExecuteFile", calls.FsExecuteFile);
    Resolve(module, "FsExtractCustomIcon", calls.FsExtractCustomIcon);
    Resolve(module, "MountAfterReboot", calls.MountAfterReboot);
    return calls;
}

}  // namespace mvhost
