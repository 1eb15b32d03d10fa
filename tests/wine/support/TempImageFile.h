// A small file in the temporary directory that stands for a disk image; it
// is deleted when the object goes out of scope.
#pragma once

#include <cstddef>
#include <string>

namespace morvane::test {

class TempImageFile {
public:
    // A new file of `bytes` zero bytes whose name ends with `extension`, in
    // `directory` (ending with a backslash) or else the temporary directory.
    explicit TempImageFile(const std::string& extension = ".iso", size_t bytes = 4096,
                           const std::string& directory = std::string());
    ~TempImageFile();
    TempImageFile(const TempImageFile&) = delete;
    TempImageFile& operator=(const TempImageFile&) = delete;

    bool IsCreated() const { return created_; }
    // Full Windows path, e.g. C:\users\me\Temp\mvimage-12-1.iso.
    const std::string& Path() const { return path_; }
    // Deletes the file now, as if it had vanished.
    void Remove();

private:
    std::string path_;
    bool created_ = false;
};

}  // namespace morvane::test
