// A fresh folder under the temporary directory for what a test lays out; it
// goes, with everything in it, at the end of the scope.
#pragma once

#include <string>

namespace morvane::test {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    bool IsReady() const { return !path_.empty(); }
    // The folder with its trailing backslash.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace morvane::test
