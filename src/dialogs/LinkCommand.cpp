#include "dialogs/LinkCommand.h"

namespace morvane {
namespace {

constexpr size_t kCommandBufferSize = 528;

}  // namespace

std::optional<std::string> LinkCommandLine(std::string_view handlerCommand, std::string_view url) {
    size_t cut = handlerCommand.find("\"%1\"");
    if (cut == std::string_view::npos) cut = handlerCommand.find("%1");
    std::string command(handlerCommand.substr(0, cut));
    // Without a program of the handler's, the line would run the address
    // itself as one.
    if (command.find_first_not_of(" \t") == std::string::npos) return std::nullopt;
    command.append(" ").append(url);
    if (command.size() >= kCommandBufferSize) return std::nullopt;
    return command;
}

}  // namespace morvane
