// The file manager's brackets around each of its operations (FsStatusInfo):
// a selection of a thousand images is one operation of a thousand calls. The
// store is read once in each operation, at its first call that needs the
// catalogue, instead of at every call; the plug-in's own writes keep the
// catalogue in step meanwhile, and what other processes change is seen by
// the next operation, which reads the store afresh.
#pragma once

#include <cstdint>

namespace morvane {

class OperationBrackets {
public:
    void Start(uint32_t thread);
    void End(uint32_t thread);
    // Whether a call on `thread` must read the store: always outside an
    // operation or on another thread than the operation's, inside one only
    // the first time. A start whose end never comes is harmless: the next
    // operation starts with a reading of its own.
    bool RefreshDue(uint32_t thread);

private:
    uint32_t thread_ = 0;
    int depth_ = 0;
    bool read_ = false;
};

}  // namespace morvane
