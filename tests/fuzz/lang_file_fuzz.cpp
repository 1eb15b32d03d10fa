// Any bytes as a language file: the reader must neither crash nor break its
// own rules, and a translation that the check lets through must fill in the
// arguments of the built-in text it replaces and nothing more.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "lang/LangFileParser.h"
#include "lang/TextFormat.h"
#include "lang/TranslationCheck.h"

using namespace morvane;

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// A text as shown: here each byte one character, which keeps its length.
std::wstring Shown(const std::string& text) {
    std::wstring shown;
    for (char c : text) shown.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return shown;
}

// A filled-in text is never longer than its pattern plus every argument.
void FormatIfAccepted(uint32_t id, const std::string& text) {
    const std::wstring path(259, L'p');
    switch (id) {
    case 1004:
        if (AcceptTranslation(id, text, "%c: %s"))
            Require(FormatText(Shown(text), {TextArg('Z'), TextArg(path)}).size() <= text.size() + 1 + path.size());
        break;
    case 1006:
    case 1007:
    case 1008:
        if (AcceptTranslation(id, text, "%s %c:"))
            Require(FormatText(Shown(text), {TextArg(path), TextArg('Z')}).size() <= text.size() + path.size() + 1);
        break;
    case 1011:
        if (AcceptTranslation(id, text, "%d."))
            Require(FormatText(Shown(text), {TextArg(-2147483647 - 1)}).size() <= text.size() + 11);
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
