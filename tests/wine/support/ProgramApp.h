// The test program links the plug-in's core, application object included, to
// call its operations directly. This is that object of the test program's
// own: a plug-in that a test loads has another one inside it.
#pragma once

#include "plugin/MorvaneApp.h"

namespace morvane::test {

inline CMorvaneApp& ProgramApp() { return morvane::App(); }

}  // namespace morvane::test
