#include "core/setup/DemoName.h"

#include <charconv>

namespace velkarn {

std::optional<int> demoNameProtocol(std::string_view name) {
    const auto dot = name.rfind(".dm_");
    if (dot == std::string_view::npos)
        return std::nullopt;
    const std::string_view digits = name.substr(dot + 4);
    int protocol = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), protocol);
    // from_chars takes a leading '-'; a protocol is digits alone.
    if (digits.empty() || digits.front() == '-' || error != std::errc() ||
        end != digits.data() + digits.size())
        return std::nullopt;
    return protocol;
}

} // namespace velkarn
