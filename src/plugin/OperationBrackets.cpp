#include "plugin/OperationBrackets.h"

namespace morvane {

void OperationBrackets::Start(uint32_t thread) {
    if (depth_ == 0 || thread != thread_) {
        thread_ = thread;
        depth_ = 0;
    }
    ++depth_;
    read_ = false;
}

void OperationBrackets::End(uint32_t thread) {
    if (thread == thread_ && depth_ > 0) --depth_;
}

bool OperationBrackets::RefreshDue(uint32_t thread) {
    if (depth_ == 0 || thread != thread_) return true;
    const bool due = !read_;
    read_ = true;
    return due;
}

}  // namespace morvane
