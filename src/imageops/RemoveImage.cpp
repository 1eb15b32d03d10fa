#include "plugin/MorvaneApp.h"

namespace morvane {

int CMorvaneApp::RemoveImage(const std::string&) { return kRemoveKept; }

}  // namespace morvane
