// Folders and files that the language tests lay out, removed again when the
// test ends, and the current directory put back.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace morvane::test {

// A fresh folder under the temporary directory; with everything in it
// removed on destruction.
class ScopedFolder {
public:
    ScopedFolder();
    ~ScopedFolder();
    ScopedFolder(const ScopedFolder&) = delete;
    ScopedFolder& operator=(const ScopedFolder&) = delete;

    bool IsValid() const { return !path_.empty(); }
    // The folder with a trailing backslash.
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// Creates the file (and the folders above it up to an existing one) with
// exactly these bytes.
bool WriteBytes(const std::string& path, std::string_view bytes);
bool CopyTo(const std::string& from, const std::string& to);

class CurrentDirectoryGuard {
public:
    CurrentDirectoryGuard();
    ~CurrentDirectoryGuard();
    CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
    CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;

private:
    std::string saved_;
};

// The file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& path);

}  // namespace morvane::test
