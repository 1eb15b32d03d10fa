#include "winpatch/ImportPatch.h"

#include <cstdint>
#include <cstring>

namespace winpatch {
namespace {

// A loaded PE image of this program's own architecture (the only kind it can
// load), read only within its SizeOfImage; its import slots are pointers.
class LoadedImage {
public:
    explicit LoadedImage(HMODULE module) : base_(reinterpret_cast<const uint8_t*>(module)) {
        if (!base_) return;
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base_);
        if (dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew <= 0) return;
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base_ + dos->e_lfanew);
        if (nt->Signature != IMAGE_NT_SIGNATURE || nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR_MAGIC) return;
        size_ = nt->OptionalHeader.SizeOfImage;
        if (nt->OptionalHeader.NumberOfRvaAndSizes > IMAGE_DIRECTORY_ENTRY_IMPORT)
            imports_ = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    }

    DWORD ImportsRva() const { return imports_.VirtualAddress; }

    // `count` objects at `rva`, or null when they do not lie inside the image.
    template <typename T>
    const T* At(DWORD rva, size_t count = 1) const {
        if (rva == 0 || rva >= size_ || count > (size_ - rva) / sizeof(T)) return nullptr;
        return reinterpret_cast<const T*>(base_ + rva);
    }

    // The zero-terminated text at `rva`, or null when it runs past the image.
    const char* TextAt(DWORD rva) const {
        const char* text = At<char>(rva);
        if (!text) return nullptr;
        return std::memchr(text, 0, size_ - rva) ? text : nullptr;
    }

private:
    const uint8_t* base_;
    DWORD size_ = 0;
    IMAGE_DATA_DIRECTORY imports_{};
};

bool Write(const void** entry, const void* value) {
    DWORD protection = 0;
    if (!VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &protection)) return false;
    *entry = value;
    VirtualProtect(entry, sizeof *entry, protection, &protection);
    return true;
}

}  // namespace

ImportPatch::ImportPatch(HMODULE module, const char* dllName, const char* functionName, const void* replacement) {
    const LoadedImage image(module);
    // Without names (an import table without lookup entries), the address
    // the system resolves identifies the function.
    const HMODULE dll = GetModuleHandleA(dllName);
    const void* resolved = dll ? reinterpret_cast<const void*>(GetProcAddress(dll, functionName)) : nullptr;

    for (DWORD rva = image.ImportsRva();; rva += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        const auto* descriptor = image.At<IMAGE_IMPORT_DESCRIPTOR>(rva);
        if (!descriptor || descriptor->Name == 0) break;
        const char* name = image.TextAt(descriptor->Name);
        if (!name || lstrcmpiA(name, dllName) != 0) continue;
        const auto* addresses = image.At<ULONG_PTR>(descriptor->FirstThunk);
        const DWORD lookupRva = descriptor->OriginalFirstThunk;
        for (DWORD i = 0; addresses && image.At<ULONG_PTR>(descriptor->FirstThunk, i + 1) && addresses[i]; ++i) {
            bool match = false;
            const auto* lookup = lookupRva ? image.At<ULONG_PTR>(lookupRva, i + 1) : nullptr;
            if (lookup && !(lookup[i] & IMAGE_ORDINAL_FLAG)) {
                const char* imported = image.TextAt(static_cast<DWORD>(lookup[i]) + 2);
                match = imported && std::strcmp(imported, functionName) == 0;
            } else if (!lookupRva) {
                match = resolved && reinterpret_cast<const void*>(addresses[i]) == resolved;
            }
            if (!match) continue;
            auto** entry = reinterpret_cast<const void**>(const_cast<ULONG_PTR*>(&addresses[i]));
            const void* previous = *entry;
            if (!Write(entry, replacement)) continue;
            if (!original_) original_ = previous;
            slots_.push_back({entry, previous});
        }
    }
}

ImportPatch::~ImportPatch() {
    for (const Slot& slot : slots_) Write(slot.entry, slot.previous);
}

}  // namespace winpatch
