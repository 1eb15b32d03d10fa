// Whether a record's drive letter serves the record's own image, as the
// driver itself answers it; the record's mounted mark may be wrong (after a
// crash, say), and its letter may then serve another image, or nothing.
#pragma once

#include "catalogue/FileInfo.h"

namespace morvane {

// The refresh's confirmation of a mounted mark: the answer's meaningful
// bytes agree with the record's kernel path (see AnswerNamesImage).
bool DriverConfirmsMount(const CFileInfo& record);

// What a detach asks first: the answer names exactly the record's kernel
// path (see AnswerIsImage).
bool DriverServesImage(const CFileInfo& record);

// Both are false also when the letter is no drive letter, cannot be opened,
// or the driver does not answer.

}  // namespace morvane
