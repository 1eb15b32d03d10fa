#include "lang/TextFormat.h"

namespace morvane {
namespace {

bool IsArgumentKind(char c) { return c == 's' || c == 'c' || c == 'd'; }

}  // namespace

std::optional<std::string> TextConversions(std::string_view text) {
    std::string kinds;
    for (size_t pos = text.find('%'); pos != std::string_view::npos; pos = text.find('%', pos)) {
        if (pos + 1 >= text.size()) return std::nullopt;
        const char kind = text[pos + 1];
        if (IsArgumentKind(kind)) {
            kinds.push_back(kind);
        } else if (kind != '%') {
            return std::nullopt;
        }
        pos += 2;
    }
    return kinds;
}

std::wstring FormatText(std::wstring_view pattern, const std::vector<TextArg>& args) {
    std::wstring out;
    out.reserve(pattern.size());
    size_t next = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != L'%' || i + 1 >= pattern.size()) {
            out.push_back(pattern[i]);
            continue;
        }
        const wchar_t kind = pattern[i + 1];
        if (kind == L'%') {
            out.push_back(L'%');
        } else if (next < args.size() && args[next].Kind() == kind) {
            out += args[next++].Text();
        } else {
            out.append(pattern.substr(i));
            break;
        }
        ++i;
    }
    return out;
}

}  // namespace morvane
