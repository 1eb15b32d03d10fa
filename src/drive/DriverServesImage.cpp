#include "drive/DriverServesImage.h"

#include "drive/Driver.h"
#include "drive/ImageInfo.h"
#include "drive/KernelPath.h"

namespace morvane {

bool DriverServesImage(const CFileInfo& record) {
    uint8_t answer[kQueryAnswerSize] = {};
    size_t returned = 0;
    if (DriverQuery(record.driveLetter, answer, &returned) != DriverResult::Done) return false;
    return AnswerNamesImage(answer, returned, KernelImagePath(ImagePathOf(record)));
}

}  // namespace morvane
