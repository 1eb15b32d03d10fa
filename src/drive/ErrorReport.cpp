#include "plugin/MorvaneApp.h"

namespace morvane {

void CMorvaneApp::ReportDriveError(const std::string& text, ReportContext) { ShowOrLogMessage(text); }
void CMorvaneApp::ShowOrLogMessage(const std::string& message) { ShowMessage(message, MB_OK | MB_ICONEXCLAMATION); }

}  // namespace morvane
