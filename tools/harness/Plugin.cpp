#include "harness/Plugin.h"

#include "plugin/ExportNames.h"

namespace morvane::test {

std::string TestProgramDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string dir(path);
    return dir.substr(0, dir.rfind('\\') + 1);
}

std::string TestPluginPath() { return TestProgramDirectory() + kPluginFileName; }

LoadedPlugin::LoadedPlugin(const std::string& path) : module_(LoadLibraryA(path.c_str())) {
    if (module_) exports_ = mvhost::ResolvePluginCalls(module_.Get());
}

}  // namespace morvane::test
