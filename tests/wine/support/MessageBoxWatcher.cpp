#include "support/MessageBoxWatcher.h"

#include "uidriver/Utf8Text.h"

namespace morvane::test {
namespace {

std::vector<uidriver::Step> AnswerSteps(std::initializer_list<int> answers) {
    std::vector<uidriver::Step> steps;
    for (int answer : answers) steps.push_back(uidriver::Step::Answer(answer));
    return steps;
}

SeenMessageBox SeenFrom(const uidriver::WindowState& state) {
    auto has = [&](int id) {
        const uidriver::ControlState* control = state.Control(id);
        return control && control->kind == uidriver::ControlKind::Button && control->visible;
    };
    SeenMessageBox seen;
    seen.caption = uidriver::Utf8ToAnsi(state.caption);
    seen.text = uidriver::Utf8ToAnsi(state.text);
    seen.hasOk = has(IDOK);
    seen.hasCancel = has(IDCANCEL);
    seen.hasYes = has(IDYES);
    seen.hasNo = has(IDNO);
    seen.defaultButton = state.defaultButton;
    seen.icon = state.icon;
    seen.owner = state.owner;
    seen.ownerEnabled = state.ownerEnabled;
    return seen;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(std::initializer_list<int> answers, DWORD thread)
    : session_(AnswerSteps(answers), thread) {}

std::vector<SeenMessageBox> MessageBoxWatcher::Seen() const {
    std::vector<SeenMessageBox> seen;
    for (const uidriver::Event& event : session_.Transcript()) {
        if (event.kind == uidriver::EventKind::Appeared) seen.push_back(SeenFrom(event.state));
        const bool answered = event.kind == uidriver::EventKind::Acted && event.step.kind == uidriver::StepKind::Answer;
        if (answered && static_cast<size_t>(event.window) < seen.size()) seen[event.window].pressed = event.step.id;
    }
    return seen;
}

}  // namespace morvane::test
