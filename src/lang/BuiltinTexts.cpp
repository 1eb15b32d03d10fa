#include "lang/BuiltinTexts.h"

#include "lang/TextTable.h"

static_assert(sizeof("Ё") == 2, "this file must be compiled with -fexec-charset=CP1251");

namespace morvane {

const char* BuiltinText(uint32_t id) {
    for (const TextEntry& entry : kTextTable)
        if (Number(entry.id) == id) return entry.builtin;
    return nullptr;
}

const char* MissingLanguageFileText() { return "Языковой файл не найден!\nLanguage file is missing!"; }

}  // namespace morvane
