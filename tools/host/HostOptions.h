// The host's command line: one command per run, the plug-in to load and what
// to do in the message boxes and dialogs the plug-in shows.
#pragma once

#include <string>
#include <vector>

#include "uidriver/Step.h"

namespace mvhost {

struct HostOptions {
    std::string pluginPath;              // empty: the plug-in built beside the host
    std::vector<uidriver::Step> steps;   // for the windows shown, in command-line order
    bool overwrite = false;              // put: the copy flag that allows replacing
    bool move = false;                   // put: the copy flag of a move
    bool small = false;                  // icon: ask for the small icon
    bool standIn = false;                // the stand-in driver's dismounts answer as on Windows
    std::string command;
    std::vector<std::string> arguments;
};

// False, with `error` set, when the command line cannot be understood.
bool ParseOptions(int argc, char** argv, HostOptions& options, std::string& error);

extern const char kUsage[];

}  // namespace mvhost
