// Images for the benchmarks to mount through the stand-in driver: their
// files, the free drive letters, and the clean-up that unbinds those letters
// and empties the driver's devices, so that every run starts alike.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/FileInfo.h"
#include "harness/ScratchFolder.h"
#include "harness/ScratchImage.h"

namespace morvane::bench {

class StandInMounts {
public:
    // Starts the driver (installing it on first use) and takes every free
    // letter; check IsReady().
    StandInMounts();
    ~StandInMounts();
    StandInMounts(const StandInMounts&) = delete;
    StandInMounts& operator=(const StandInMounts&) = delete;

    bool IsReady() const { return why_.empty(); }
    const std::string& Why() const { return why_; }
    const std::vector<char>& Letters() const { return letters_; }

    // A record of `name` left mounted at shutdown and marked for the log-on
    // restore: the `slot`th of a run, on a letter of its own while letters
    // last, the device families taking turns, with an image file of its own.
    CFileInfo MarkedRecord(const std::string& name, size_t slot);

    // Unbinds the letters from the driver's devices and empties them.
    void Clear();

private:
    const std::string& ImagePath(size_t slot);

    test::ScratchFolder folder_;
    std::vector<std::unique_ptr<test::ScratchImage>> images_;
    std::vector<char> letters_;
    std::string why_;
};

}  // namespace morvane::bench
