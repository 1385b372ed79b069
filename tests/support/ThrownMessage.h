#pragma once

#include <exception>
#include <string>

namespace velkarn {

// What `action` threw, or "no error" when it returned.
template <typename Action> std::string thrownMessage(Action action) {
    try {
        action();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

} // namespace velkarn
