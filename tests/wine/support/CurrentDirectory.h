// Puts the current directory back at the end of the scope, so that a test
// that moves elsewhere leaves the next one where it started.
#pragma once

#include <string>

namespace morvane::test {

class CurrentDirectoryGuard {
public:
    CurrentDirectoryGuard();
    ~CurrentDirectoryGuard();
    CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
    CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;

private:
    std::string saved_;
};

}  // namespace morvane::test
