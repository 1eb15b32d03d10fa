#include "uidriver/Step.h"

#include <windows.h>

namespace uidriver {

std::string ButtonWord(int id) {
    switch (id) {
        case IDOK: return "OK";
        case IDCANCEL: return "Cancel";
        case IDABORT: return "Abort";
        case IDRETRY: return "Retry";
        case IDIGNORE: return "Ignore";
        case IDYES: return "Yes";
        case IDNO: return "No";
        case IDTRYAGAIN: return "Try again";
        case IDCONTINUE: return "Continue";
        default: return "button " + std::to_string(id);
    }
}

std::string StepText(const Step& step) {
    const std::string id = std::to_string(step.id);
    switch (step.kind) {
        case StepKind::Answer: return ButtonWord(step.id);
        case StepKind::Press: return "press " + id;
        case StepKind::Pick:
            return step.index >= 0 ? "pick " + id + "#" + std::to_string(step.index) : "pick " + id + "=" + step.text;
        case StepKind::Check: return "check " + id;
        case StepKind::Uncheck: return "uncheck " + id;
        case StepKind::Escape: return "escape";
        case StepKind::Close: return "close";
        case StepKind::Snapshot: return "show";
        case StepKind::Screenshot: return "shot " + step.text;
    }
    return "?";
}

}  // namespace uidriver
