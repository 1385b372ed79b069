#pragma once

#include <string>
#include <string_view>

namespace velkarn {

// Converts text written in the MS-DOS code page 437 to UTF-8. Bytes below 128 stay as they are.
std::string cp437ToUtf8(std::string_view text);

} // namespace velkarn
