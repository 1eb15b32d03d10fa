// Where the plug-in's code meets a caller that cannot take an exception (the
// file manager, rundll32, a window or dialog procedure): one that escaped
// would end the whole process. Each such boundary runs its body here and
// answers the interface's failure value, made by `fallback`, instead.
#pragma once

#include <utility>

namespace morvane::win32 {

template <typename Body, typename Fallback>
auto NoThrow(Body&& body, Fallback&& fallback) noexcept -> decltype(body()) {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        return std::forward<Fallback>(fallback)();
    }
}

template <typename Body>
void NoThrow(Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (...) {
    }
}

}  // namespace morvane::win32
