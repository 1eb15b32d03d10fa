#include "plugin/MorvaneApp.h"

namespace morvane {

int CMorvaneApp::FindFreeDeviceNumber(int) { return 0; }
bool CMorvaneApp::MountImage(CFileInfo&) { return false; }
bool CMorvaneApp::UnmountImage(CFileInfo&) { return false; }

}  // namespace morvane
