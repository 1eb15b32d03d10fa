#include "support/Plugin.h"

namespace morvane::test {

std::string TestProgramDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    return dir.substr(0, dir.rfind('\\') + 1);
}

namespace {
template <typename F>
void Resolve(HMODULE module, const char* name, F& slot) {
    slot = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
}  // namespace

LoadedPlugin::LoadedPlugin(const std::string& path) : module_(LoadLibraryA(path.c_str())) {
    if (!module_) return;
    HMODULE m = module_.Get();
    Resolve(m, "FsInit", exports_.FsInit);
    Resolve(m, "FsFindFirst", exports_.FsFindFirst);
    Resolve(m, "FsFindNext", exports_.FsFindNext);
    Resolve(m, "FsFindClose", exports_.FsFindClose);
    Resolve(m, "FsGetDefRootName", exports_.FsGetDefRootName);
    Resolve(m, "FsSetDefaultParams", exports_.FsSetDefaultParams);
    Resolve(m, "FsPutFile", exports_.FsPutFile);
    Resolve(m, "FsDeleteFile", exports_.FsDeleteFile);
    Resolve(m, "FsExecuteFile", exports_.FsExecuteFile);
    Resolve(m, "FsExtractCustomIcon", exports_.FsExtractCustomIcon);
    Resolve(m, "MountAfterReboot", exports_.MountAfterReboot);
}

}  // namespace morvane::test
