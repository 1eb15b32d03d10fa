// An edit control of a dialog; its text is the window text.
#pragma once

#include "ui/Wnd.h"

namespace morvane::ui {

class CEdit : public CWnd {};

}  // namespace morvane::ui
