// One message for each failed driver step.
#pragma once

#include <string>

#include "report/ReportContext.h"
#include "report/Reporter.h"

namespace morvane {

// The message for system error `error`, the one of the step that failed, about `failedObject`
// (a drive such as "X:", or the driver, "MV_FileDisk:", both ASCII), shown or logged
// through `reporter`.
void ReportDriveError(Reporter& reporter, const std::string& failedObject, ReportContext context, uint32_t error);

}  // namespace morvane
