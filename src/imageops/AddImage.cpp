#include "plugin/MorvaneApp.h"

namespace morvane {

bool CMorvaneApp::AddImage(const std::string&, const std::string&) { return false; }

}  // namespace morvane
