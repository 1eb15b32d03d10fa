// How operations on images speak to the user: localised texts, questions,
// and failure messages that a message box shows or, during the unattended
// log-on restore, the log keeps.
#pragma once

#include <windows.h>

#include <string>

#include "lang/TextIds.h"

namespace morvane {

class Reporter {
public:
    // The localised text of a text identifier, else its built-in text.
    virtual std::wstring Text(TextId id) const = 0;
    // A question: a modal message box of the given MB_* type; the button
    // pressed, or 0 when the box could not be shown.
    virtual int ShowMessage(const std::wstring& text, UINT type) const = 0;
    // A failure: shown with the OK button and the exclamation icon, or logged.
    virtual void ShowOrLogMessage(const std::wstring& message) = 0;

protected:
    ~Reporter() = default;
};

}  // namespace morvane
