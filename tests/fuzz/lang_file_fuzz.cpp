// Any bytes as a language file: the reader must neither crash nor break its
// own rules, and a translation that the check lets through must format with
// the arguments of the built-in text it replaces.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "lang/LangFileParser.h"
#include "lang/TranslationCheck.h"

using namespace morvane;

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// The argument lists of the formatted texts, as their callers pass them.
void FormatIfAccepted(uint32_t id, const std::string& text) {
    char out[4096];
    switch (id) {
    case 1004:
        if (AcceptTranslation(id, text, "%c: %s")) std::snprintf(out, sizeof out, text.c_str(), 'Z', "image.iso");
        break;
    case 1006:
    case 1007:
    case 1008:
        if (AcceptTranslation(id, text, "%s %c:")) std::snprintf(out, sizeof out, text.c_str(), "image.iso", 'Z');
        break;
    case 1011:
        if (AcceptTranslation(id, text, "%d.")) std::snprintf(out, sizeof out, text.c_str(), 2);
        break;
    default:
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const auto& [id, text] : ParseLanguageFile(bytes)) {
        Require(id <= 2147483647u);
        Require(text.find('\0') == std::string::npos);
        // A piece holds at most 1023 bytes, and an escape keeps its length.
        Require(text.size() <= kLangLinePieceSize);
        FormatIfAccepted(id, text);
    }
    // The same bytes as the translation of each formatted text.
    const std::string asText(bytes.substr(0, bytes.find('\0')));
    for (uint32_t id : {1004u, 1006u, 1011u}) FormatIfAccepted(id, asText);
    return 0;
}
