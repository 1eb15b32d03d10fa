#include "uidriver/Transcript.h"

#include "uidriver/StateText.h"

namespace uidriver {

std::string EventText(const Event& event) {
    switch (event.kind) {
        case EventKind::Appeared:
        case EventKind::Snapshot: return StateText(event.state);
        case EventKind::Acted:
            return "  -> " + StepText(event.step) + (event.note.empty() ? "" : " (" + event.note + ")") + "\n";
        case EventKind::Refused: return "  (not done: " + StepText(event.step) + ": " + event.note + ")\n";
    }
    return std::string();
}

}  // namespace uidriver
