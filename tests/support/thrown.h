#pragma once

#include <optional>

// The exception of type E that f throws; none when f returns.
template <class E, class F>
std::optional<E> Thrown(F&& f) {
    try {
        f();
    } catch (const E& e) {
        return e;
    }
    return std::nullopt;
}
