// A file of zero bytes standing in for a disk image; it is deleted at the end
// of the scope.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "harness/ScratchFolder.h"

namespace morvane::test {

class ScratchImage {
public:
    // In a scratch folder of its own, so that images of one test may share a
    // name.
    explicit ScratchImage(const std::string& fileName = "image.iso", uint32_t size = 2048);
    // In `folder` (ending with a backslash), such as the root of C: or a
    // network share; a file that is there already is left alone.
    ScratchImage(const std::string& fileName, uint32_t size, const std::string& folder);
    ~ScratchImage();
    ScratchImage(const ScratchImage&) = delete;
    ScratchImage& operator=(const ScratchImage&) = delete;

    bool IsReady() const { return ready_; }
    // The full path, e.g. C:\users\me\Temp\morvane-12-1\disk.iso.
    const std::string& Path() const { return path_; }
    bool Exists() const;
    // Deletes the file, as a user would behind the plug-in's back.
    bool Delete();

private:
    void Create(const std::string& folder, const std::string& fileName, uint32_t size);

    std::unique_ptr<ScratchFolder> ownFolder_;
    std::string path_;
    bool created_ = false;
    bool ready_ = false;
};

}  // namespace morvane::test
