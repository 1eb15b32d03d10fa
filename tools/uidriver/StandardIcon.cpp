#include "uidriver/StandardIcon.h"

#include "uidriver/WindowQuery.h"

namespace uidriver {
namespace {

struct KnownIcon {
    LPCSTR resource;
    UINT type;
    const char* name;
};

const KnownIcon kKnownIcons[] = {
    {IDI_EXCLAMATION, MB_ICONEXCLAMATION, "exclamation"},
    {IDI_QUESTION, MB_ICONQUESTION, "question"},
    {IDI_ASTERISK, MB_ICONINFORMATION, "information"},
    {IDI_HAND, MB_ICONERROR, "error"},
};

}  // namespace

UINT StandardIconOf(HWND iconControl) {
    LRESULT shown = 0;
    if (!Ask(iconControl, STM_GETICON, 0, 0, shown) || shown == 0) return 0;
    for (const KnownIcon& known : kKnownIcons)
        if (reinterpret_cast<LRESULT>(LoadIconA(nullptr, known.resource)) == shown) return known.type;
    return 0;
}

const char* StandardIconName(UINT icon) {
    for (const KnownIcon& known : kKnownIcons)
        if (known.type == icon) return known.name;
    return "none";
}

}  // namespace uidriver
