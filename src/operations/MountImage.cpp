#include "operations/MountImage.h"

#include "catalogue/SaveFileInfo.h"
#include "driver/Driver.h"
#include "driver/KernelPath.h"
#include "lang/TextFormat.h"
#include "operations/DeviceNumbers.h"

namespace morvane {

int FindFreeDeviceNumber(const Catalogue& catalogue, int family) {
    std::vector<DeviceUse> uses;
    uses.reserve(catalogue.Count());
    Catalogue::Position pos = catalogue.BeforeFirst();
    StoredImage image;
    while (catalogue.Step(pos, nullptr, &image)) {
        const CFileInfo& record = image.record;
        uses.push_back({FamilyOfMode(record.mountMode), record.deviceNumber, record.mounted != 0});
    }
    return LowestFreeDeviceNumber(family, uses);
}

bool MountImage(ImageTables tables, Reporter& reporter, StoredImage& image) {
    CFileInfo& record = image.record;
    const int family = FamilyOfMode(record.mountMode);
    record.deviceNumber = static_cast<uint32_t>(FindFreeDeviceNumber(tables.catalogue, family));

    // The driver takes the path in the code page: the record's field holds
    // it so, or the path's short form; a volume without short names may
    // leave a path the code page cannot spell with neither.
    const std::string imagePath = ImagePathOf(record);
    if (imagePath.size() < 2) {
        reporter.ShowOrLogMessage(FormatText(reporter.Text(TextId::NoDriverPath), {TextArg(image.imagePath)}));
        return false;
    }

    const MountRequest request{record.driveLetter, family, record.deviceNumber, RequestsReadOnly(record.mountMode),
                               KernelImagePath(imagePath)};
    if (DriverMount(request, reporter) != DriverResult::Done) return false;

    record.mounted = 1;
    // The drive exists now whatever the store says; the next refresh shows
    // what the registry kept.
    SaveFileInfo(tables, image);
    return true;
}

}  // namespace morvane
