#include "plugin/MorvaneApp.h"

namespace morvane {

void CMorvaneApp::ShowOrLogMessage(const std::string& message) { ShowMessage(message, MB_OK | MB_ICONEXCLAMATION); }

}  // namespace morvane
