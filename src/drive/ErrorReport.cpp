#include "plugin/MorvaneApp.h"

namespace morvane {

void CMorvaneApp::ReportDriveError(const std::string& text, ReportContext) { ShowOrLogMessage(text); }

}  // namespace morvane
