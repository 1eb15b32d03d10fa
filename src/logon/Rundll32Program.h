// The rundll32 that the Run-key command line names: one that can load this
// plug-in when the system's log-on starter runs it.
#pragma once

#include <string>

namespace morvane {

// "rundll32" for a plug-in of the system's own architecture. On 64-bit
// Windows the log-on starter is a 64-bit program, to which that name is the
// 64-bit rundll32, which cannot load a 32-bit plug-in: the 32-bit plug-in
// names the 32-bit one by its path there, quoted.
std::wstring Rundll32Program();

}  // namespace morvane
