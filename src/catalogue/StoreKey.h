// Where the catalogue lives: one REG_BINARY value per image under this key of
// the current user's hive.
#pragma once

namespace morvane {

constexpr const char kFilesListKey[] = "Software\\Tarnwell Incorporation\\Morvane\\FilesList";

}  // namespace morvane
