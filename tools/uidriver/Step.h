// One thing a user does to the window in front, as a script lists it.
#pragma once

#include <string>
#include <utility>

namespace uidriver {

enum class StepKind {
    Answer,      // press a message box's button: IDYES, IDNO, IDOK, IDCANCEL...
    Press,       // press a button (or a clickable static) by its identifier
    Pick,        // pick a drop-down entry by its text, or by index
    Check,       // check a check box, choose a radio button
    Uncheck,     // clear a check box
    Escape,      // press the Escape key
    Close,       // click the caption's close box
    Snapshot,    // record the window as it is now
    Screenshot,  // save a picture of the window to a BMP file
};

struct Step {
    StepKind kind = StepKind::Snapshot;
    int id = 0;
    // Pick: the entry's text (ANSI) unless `index` is set; Screenshot: the file.
    std::string text;
    int index = -1;

    static Step Answer(int button) { return {StepKind::Answer, button, {}, -1}; }
    static Step Press(int id) { return {StepKind::Press, id, {}, -1}; }
    static Step Pick(int id, std::string entry) { return {StepKind::Pick, id, std::move(entry), -1}; }
    static Step PickIndex(int id, int index) { return {StepKind::Pick, id, {}, index}; }
    static Step Check(int id) { return {StepKind::Check, id, {}, -1}; }
    static Step Uncheck(int id) { return {StepKind::Uncheck, id, {}, -1}; }
    static Step Escape() { return {StepKind::Escape, 0, {}, -1}; }
    static Step Close() { return {StepKind::Close, 0, {}, -1}; }
    static Step Snapshot() { return {StepKind::Snapshot, 0, {}, -1}; }
    static Step Screenshot(std::string file) { return {StepKind::Screenshot, 0, std::move(file), -1}; }
};

// "Yes", "press 1005", "pick 1003=M:", "pick 1003#2", "check 1004", "escape",
// "shot C:\x.bmp"... in UTF-8.
std::string StepText(const Step& step);
// "Yes", "No", "OK", "Cancel"... for a standard button; "button N" otherwise.
std::string ButtonWord(int id);

}  // namespace uidriver
