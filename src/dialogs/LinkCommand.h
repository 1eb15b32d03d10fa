// The command line that opens a link through the web-page handler, when the
// shell itself cannot open it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// The handler's own command line holds the room for the file as "%1", in
// quotes or not; what follows it is dropped and the address is appended,
// unquoted, after a blank. Nothing when the handler names no program before
// "%1" (the address would then run as the program), or when the result does
// not fit 528 bytes with its terminator: a command cut short would open
// something else.
std::optional<std::string> LinkCommandLine(std::string_view handlerCommand, std::string_view url);

}  // namespace morvane
