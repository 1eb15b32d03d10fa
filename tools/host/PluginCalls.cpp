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

namespace {

void SendStatus(const PluginCalls& calls, int startEnd, int operation) {
    if (!calls.FsStatusInfo) return;
    // The folder the operation works in: the plug-in's root.
    char folder[] = "\\";
    calls.FsStatusInfo(folder, startEnd, operation);
}

}  // namespace

OperationBracket::OperationBracket(const PluginCalls& calls, int operation) : calls_(calls), operation_(operation) {
    SendStatus(calls_, morvane::kFsStatusStart, operation_);
}

OperationBracket::~OperationBracket() { SendStatus(calls_, morvane::kFsStatusEnd, operation_); }

}  // namespace mvhost
