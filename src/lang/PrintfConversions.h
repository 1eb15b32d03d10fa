// The argument-taking conversions of a printf format, to tell whether one
// format can stand in for another with the same arguments.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

struct PrintfConversion {
    std::string length;  // size modifier such as "l" or "I64"; empty for none
    char kind = 0;       // conversion character; "i" is read as "d"

    bool operator==(const PrintfConversion& other) const { return kind == other.kind && length == other.length; }
};

// The conversions in order; "%%" takes no argument and is left out. Flags,
// a width and a precision given as digits change only the look and are
// allowed. Nothing when a conversion takes an argument of its own ("*"), writes
// through its argument ("%n"), names its argument ("%1$s"), is unknown or is
// cut off by the end of the text.
std::optional<std::vector<PrintfConversion>> PrintfConversions(std::string_view format);

// Whether `candidate` takes the same arguments as `reference`, in kind and order.
bool SamePrintfConversions(std::string_view candidate, std::string_view reference);

}  // namespace morvane
