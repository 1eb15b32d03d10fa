#include <windows.h>

#include "catalogue/SaveFileInfo.h"
#include "driver/Driver.h"
#include "driver/DriverServesImage.h"
#include "lang/TextFormat.h"
#include "operations/UnmountImage.h"
#include "report/DriveMessages.h"

namespace morvane {

bool UnmountImage(ImageTables tables, Reporter& reporter, StoredImage& image) {
    CFileInfo& record = image.record;
    // A record marked mounted by mistake may name a letter that now serves
    // another image, or no image of the driver's: only a drive the driver
    // confirms as this image's is detached. The switch corrects the record.
    if (!DriverServesImage(record)) {
        reporter.ShowOrLogMessage(FormatText(reporter.Text(TextId::NotThisImagesDrive),
                                             {TextArg(DisplayLetter(record.driveLetter)), TextArg(image.imagePath)}));
        return false;
    }
    DriverResult result = DriverUnmount(record.driveLetter, false, reporter);
    if (result == DriverResult::LockRefused) {
        // Files on the drive are open. A forced dismount can lose data, so No
        // is the default answer, and only an explicit Yes goes ahead: a box
        // that could not be shown is no consent.
        const std::wstring question =
            ForcedDismountQuestion(record.mountMode, [&reporter](TextId id) { return reporter.Text(id); });
        if (reporter.ShowMessage(question, MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDYES) return false;
        result = DriverUnmount(record.driveLetter, true, reporter);
    }
    if (result != DriverResult::Done) return false;

    record.mounted = 0;
    tables.drives.Set(record.driveLetter, std::wstring());
    SaveFileInfo(tables, image);
    return true;
}

}  // namespace morvane
