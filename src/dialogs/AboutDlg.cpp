#include "dialogs/AboutDlg.h"

namespace morvane {

// Not built yet: nothing is shown.
INT_PTR CAboutDlg::DoModal() { return IDCANCEL; }

}  // namespace morvane
