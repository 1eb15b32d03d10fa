// Mounting a catalogue record on its drive letter.
#include <vector>

#include "drive/DeviceNumbers.h"
#include "drive/Driver.h"
#include "drive/ImageInfo.h"
#include "drive/KernelPath.h"
#include "plugin/MorvaneApp.h"

namespace morvane {

int CMorvaneApp::FindFreeDeviceNumber(int family) {
    std::vector<DeviceUse> uses;
    uses.reserve(m_catalogue.Count());
    Catalogue::Position pos = m_catalogue.BeforeFirst();
    StoredImage image;
    while (m_catalogue.Step(pos, nullptr, &image)) {
        const CFileInfo& record = image.record;
        uses.push_back({FamilyOfMode(record.mountMode), record.deviceNumber, record.mounted != 0});
    }
    return LowestFreeDeviceNumber(family, uses);
}

bool CMorvaneApp::MountImage(CFileInfo& record, const std::string& valueName) {
    const int family = FamilyOfMode(record.mountMode);
    record.deviceNumber = static_cast<uint32_t>(FindFreeDeviceNumber(family));

    const std::string imagePath = ImagePathOf(record);
    if (imagePath.size() < 2) return false;

    const std::vector<uint8_t> request =
        BuildAttachRequest(KernelImagePath(imagePath), record.driveLetter, RequestsReadOnly(record.mountMode));
    if (DriverMount(record.deviceNumber, request.data(), family) != 0) return false;

    record.mounted = 1;
    // The drive exists now whatever the store says; the next refresh shows
    // what the registry kept.
    SaveFileInfo(record, valueName);
    return true;
}

}  // namespace morvane
