// Whether a record's drive letter serves the record's own image, as the
// driver itself answers it; the record's mounted mark may be wrong (after a
// crash, say), and its letter may then serve another image, or nothing.
#pragma once

#include "catalogue/FileInfo.h"

namespace morvane {

// False also when the letter is no drive letter, cannot be opened, or the
// driver does not answer.
bool DriverServesImage(const CFileInfo& record);

}  // namespace morvane
