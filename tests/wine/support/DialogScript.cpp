#include "support/DialogScript.h"

#include <utility>

#include "support/CodePageView.h"

namespace morvane::test {

DialogScript::DialogScript(std::vector<uidriver::Step> steps, DWORD thread) : session_(std::move(steps), thread) {}

std::vector<uidriver::WindowState> DialogScript::Windows() const {
    std::vector<uidriver::WindowState> windows = ShownWindows();
    for (uidriver::WindowState& window : windows) window = InCodePage(std::move(window));
    return windows;
}

std::vector<uidriver::WindowState> DialogScript::ShownWindows() const {
    std::vector<uidriver::WindowState> windows;
    for (const uidriver::Event& event : session_.Transcript())
        if (event.kind == uidriver::EventKind::Appeared) windows.push_back(event.state);
    return windows;
}

std::vector<std::string> DialogScript::EventsAfterFirst() const {
    const std::vector<uidriver::Event> transcript = session_.Transcript();
    std::vector<std::string> texts;
    for (size_t i = 1; i < transcript.size(); ++i) texts.push_back(uidriver::EventText(transcript[i]));
    return texts;
}

}  // namespace morvane::test
