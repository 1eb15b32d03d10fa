// A static text control of a dialog; what a link builds on.
#pragma once

#include "ui/Wnd.h"

namespace morvane::ui {

class CStatic : public CWnd {};

}  // namespace morvane::ui
