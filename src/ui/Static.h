// A static text control of a dialog; what a link or a status line builds on.
#pragma once

#include "ui/Wnd.h"

namespace morvane::ui {

class CStatic : public CWnd {};

}  // namespace morvane::ui
