// The host's command line: one command per run, the plug-in to load and the
// answers to give to message boxes.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace mvhost {

struct HostOptions {
    std::string pluginPath;        // empty: Morvane.wfx64 beside the host
    std::deque<int> answers;       // IDYES, IDNO, IDOK, IDCANCEL in turn
    bool overwrite = false;        // put: the copy flag that allows replacing
    bool move = false;             // put: the copy flag of a move
    bool small = false;            // icon: ask for the small icon
    std::string command;
    std::vector<std::string> arguments;
};

// False, with `error` set, when the command line cannot be understood.
bool ParseOptions(int argc, char** argv, HostOptions& options, std::string& error);

extern const char kUsage[];

}  // namespace mvhost
