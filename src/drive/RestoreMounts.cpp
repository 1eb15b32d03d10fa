#include "plugin/MorvaneApp.h"

namespace morvane {

bool CMorvaneApp::RestoreMounts() {
    m_bLogOnly = true;
    return false;
}

}  // namespace morvane
