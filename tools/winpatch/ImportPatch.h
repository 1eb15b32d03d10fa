// Pointing a loaded module's imports elsewhere, to watch what it asks of the
// system or to give it the answer Windows gives where Wine answers otherwise,
// without any such code in the module itself.
#pragma once

#include <windows.h>

#include <vector>

namespace winpatch {

// Points a module's import-table entries for `dllName!functionName` at
// `replacement` and puts the previous addresses back when destroyed. Works on
// any loaded module: the plug-in (LoadedPlugin::Handle()) or the test program
// itself (GetModuleHandle(nullptr)), which has the core linked in. GCC loads
// an import slot once per function and may keep it, so a call made in the
// function that creates or ends the patch can miss the change: call through
// another function.
class ImportPatch {
public:
    ImportPatch(HMODULE module, const char* dllName, const char* functionName, const void* replacement);
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    // False when the module does not import the function by that name.
    bool IsApplied() const { return !slots_.empty(); }
    // What the entry held before: the function to pass calls on to.
    const void* Original() const { return original_; }

private:
    struct Slot {
        const void** entry;
        const void* previous;
    };
    std::vector<Slot> slots_;
    const void* original_ = nullptr;
};

}  // namespace winpatch
