#include "driver/DriverServesImage.h"

#include "driver/Driver.h"
#include "driver/ImageInfo.h"
#include "driver/KernelPath.h"

namespace morvane {
namespace {

using AnswerCheck = bool (*)(const uint8_t* answer, size_t returned, std::string_view kernelPath);

bool DriverAnswers(const CFileInfo& record, AnswerCheck check) {
    uint8_t answer[kQueryAnswerSize] = {};
    size_t returned = 0;
    if (DriverQuery(record.driveLetter, answer, &returned) != DriverResult::Done) return false;
    return check(answer, returned, KernelImagePath(ImagePathOf(record)));
}

}  // namespace

bool DriverConfirmsMount(const CFileInfo& record) { return DriverAnswers(record, AnswerNamesImage); }

bool DriverServesImage(const CFileInfo& record) { return DriverAnswers(record, AnswerIsImage); }

}  // namespace morvane
