// Mounting a catalogued image: the record's settings turned into a driver
// request, and its new state stored at once.
#pragma once

#include "catalogue/ImageTables.h"
#include "report/Reporter.h"

namespace morvane {

// The lowest device number 0..31 that no mounted record of `family` holds in
// the catalogue; 32 when all are held.
int FindFreeDeviceNumber(const Catalogue& catalogue, int family);

// Mounts the image on its record's letter. The record always gets a fresh
// device number; on success it is marked mounted and saved. False when the
// record holds no path the driver can take (reported) or the driver failed
// (reported).
bool MountImage(ImageTables tables, Reporter& reporter, StoredImage& image);

}  // namespace morvane
