// The catalogue's registry store as the benchmarks fill it, written straight
// to the key as the plug-in itself would have left it.
#pragma once

#include <cstddef>
#include <string>

#include "catalogue/FileInfo.h"

namespace morvane::bench {

// "Image-00042.iso": mixed case, so that the catalogue's keys are made.
std::string BenchImageName(size_t index);

// An unmounted record of image `index`, its file under C:\Images.
CFileInfo BenchRecord(size_t index);

// Replaces the store with the records of images 0 to count - 1; false when
// the key cannot be made or a value cannot be written.
bool FillStore(size_t count);
// An existing key without values, as after every image was deleted.
bool EmptyStore();
// No key at all.
void RemoveStore();

// The floor that the store itself sets: RegEnumValueW of every value of the
// key with its data, in one process. Answers the number of values read.
size_t EnumerateStore();

}  // namespace morvane::bench
