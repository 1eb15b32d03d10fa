// The identifiers of every text the plug-in shows. A language file maps them
// to translations; their numbers are what language files already use, so
// they never change.
#pragma once

#include <cstdint>

namespace morvane {

enum class TextId : uint32_t {
    // Properties dialog.
    PropertiesCaption = 1,
    Close = 2,
    FullPathLabel = 3,
    DriveLetterLabel = 4,
    MountModeGroup = 5,
    ModeHardDisk = 6,
    ModeFloppy = 7,
    ModeCdDvd = 8,
    ReadOnly = 9,
    RestoreAtLogon = 10,
    Mount = 11,
    Unmount = 12,
    Switch = 13,
    ImageMounted = 14,
    ImageUnmounted = 15,
    // About dialog.
    AboutCaption = 50,
    ProgramLabel = 51,
    VersionLabel = 52,
    // Has no built-in text: whether a language file holds it chooses the
    // English or the Russian developer lines.
    DeveloperLabel = 53,
    HomePageLabel = 55,
    SettingsButton = 56,
    AboutOk = 57,
    // Settings dialog.
    SettingsCaption = 100,
    LanguageLabel = 101,
    SettingsCancel = 102,
    SettingsOk = 103,
    // Messages.
    FileNotFound = 1001,
    MountFailed = 1002,
    SaveFailed = 1003,
    UnmountOtherImage = 1004,
    SwitchWarning = 1005,
    ReallyMounted = 1006,
    ReallyNotMounted = 1007,
    UnmountBeforeRemoval = 1008,
    OpenFilesQuestion = 1009,
    DataLossWarning = 1010,
    CommandFailed = 1011,
    DriverMissing = 1012,
    TooManyDevices = 1013,
    SeeReadMe = 1014,
    ImageNotAccessible = 1015,
    NoFreeLetter = 1016,
    NotThisImagesDrive = 1017,
    NoDriverPath = 1018,
};

constexpr uint32_t Number(TextId id) { return static_cast<uint32_t>(id); }

}  // namespace morvane
