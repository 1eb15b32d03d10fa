#include "PluginCalls.h"

#include "plugin/ExportNames.h"

namespace mvhost {
namespace {

template <typename F>
void Resolve(HMODULE module, const char* name, F& slot) {
    slot = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace

PluginCalls ResolvePluginCalls(HMODULE module) {
    PluginCalls calls;
#define MORVANE_RESOLVE(name) Resolve(module, #name, calls.name);
    MORVANE_EXPORTS(MORVANE_RESOLVE)
#undef MORVANE_RESOLVE
    return calls;
}

}  // namespace mvhost
