#include "StandInMounts.h"

#include "harness/DriveLetters.h"
#include "harness/StandInDriver.h"
#include "harness/StoredRecords.h"

namespace morvane::bench {
namespace {

// Hard disk, CD/DVD and floppy, as the properties dialog sets them.
constexpr uint32_t kModes[] = {0, kModeCdDvd | kModeReadOnly, kModeFloppy};

}  // namespace

StandInMounts::StandInMounts() {
    if (!folder_.IsReady()) {
        why_ = "no scratch folder";
        return;
    }
    if (!test::EnsureStandInDriverRunning(&why_)) {
        if (why_.empty()) why_ = "the stand-in driver does not run";
        return;
    }
    // Z: is Wine's view of the root directory.
    for (char letter = 'Y'; letter >= 'D'; --letter)
        if (!test::DriveListed(letter) && !test::DriveDefined(letter)) letters_.push_back(letter);
    if (letters_.empty()) why_ = "no drive letter is free";
    Clear();
}

StandInMounts::~StandInMounts() { Clear(); }

CFileInfo StandInMounts::MarkedRecord(const std::string& name, size_t slot) {
    const uint32_t mode = kModes[slot % (sizeof kModes / sizeof kModes[0])];
    return test::MakeRecord({name, ImagePath(slot), letters_[slot % letters_.size()], mode, true, true});
}

void StandInMounts::Clear() {
    for (char letter : letters_) test::RemoveStandInDriveLetter(letter);
    for (int family : {kFamilyHardDisk, kFamilyCdDvd, kFamilyFloppy})
        for (uint32_t number = 0; number < MV_STANDIN_SERVED_DEVICES; ++number)
            test::ResetStandInDevice(family, number);
}

const std::string& StandInMounts::ImagePath(size_t slot) {
    while (images_.size() <= slot) {
        const std::string fileName = "image" + std::to_string(images_.size()) + ".iso";
        images_.push_back(std::make_unique<test::ScratchImage>(fileName, 2048, folder_.Path()));
    }
    return images_[slot]->Path();
}

}  // namespace morvane::bench
