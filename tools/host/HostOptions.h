// The host's command line: one command per run, the plug-in to load and what
// to do in the message boxes and dialogs the plug-in shows. It is read in
// UTF-16, so that it can name files in any writing system, and its texts are
// kept in UTF-8.
#pragma once

#include <string>
#include <vector>

#include "uidriver/Step.h"

namespace mvhost {

struct HostOptions {
    std::string pluginPath;             // empty: the plug-in built beside the host
    std::vector<uidriver::Step> steps;  // for the windows shown, in command-line order
    bool overwrite = false;             // put, rename: replacing is allowed
    bool move = false;                  // put: the copy flag of a move
    bool small = false;                 // icon: ask for the small icon
    bool standIn = false;               // the stand-in driver's dismounts answer as on Windows
    bool ansi = false;                  // call the narrow exports, in the code page
    std::string command;
    std::vector<std::string> arguments;
};

// The process's arguments after the program's name.
std::vector<std::string> CommandLineWords();
// False, with `error` set, when the command line cannot be understood.
bool ParseOptions(const std::vector<std::string>& args, HostOptions& options, std::string& error);

extern const char kUsage[];

}  // namespace mvhost
