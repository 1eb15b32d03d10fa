// What a failed driver step was doing; selects the special message texts.
#pragma once

namespace morvane {

enum class ReportContext : int {
    General = 0,
    CreateDevice = 3,
    AttachImage = 4,
};

}  // namespace morvane
