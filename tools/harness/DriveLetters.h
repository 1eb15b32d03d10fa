// What the system says about a drive letter.
#pragma once

namespace morvane::test {

// Whether GetLogicalDrives lists the letter.
bool DriveListed(char letter);
// Whether the letter has any DOS device definition.
bool DriveDefined(char letter);

}  // namespace morvane::test
