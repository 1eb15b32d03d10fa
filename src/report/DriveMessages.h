// The texts shown (or logged) when a driver step fails, and the question
// asked before a forced dismount.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "lang/TextIds.h"
#include "report/ReportContext.h"

namespace morvane {

// The localised text of an identifier.
using TextLookup = std::function<std::wstring(TextId id)>;

// The special message that replaces the system's text for a failure with
// system error `error`, or none when the system's text is the message.
std::optional<std::wstring> SpecialDriveMessage(ReportContext context, uint32_t error, const TextLookup& text);

// "X: " followed by the system's text (possibly empty).
std::wstring SystemErrorMessage(std::wstring_view failedObject, std::wstring_view systemText);

// Asked when files on the drive are open; the data-loss warning follows on
// the next line for images that the driver serves writable.
std::wstring ForcedDismountQuestion(uint32_t mountMode, const TextLookup& text);

}  // namespace morvane
