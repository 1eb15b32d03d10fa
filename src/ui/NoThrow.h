// The guard at the boundaries where the system calls back into the layer (the
// dialog and window procedures): no exception may unwind into the system's
// message dispatch.
#pragma once

#include <optional>

namespace morvane::ui {

// The call's result, or nothing when it threw; the caller answers the
// message's failure value then.
template <typename Call>
auto NoThrow(Call&& call) noexcept -> std::optional<decltype(call())> {
    try {
        return call();
    } catch (...) {
        return std::nullopt;
    }
}

}  // namespace morvane::ui
