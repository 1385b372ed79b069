#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What every fuzz target needs besides the reader it drives: the input as the readers take it.
namespace velkarn::fuzz {

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A folder of this process's own, made at the first call and removed at exit; ends with "/".
const std::string& scratchFolder();

// Replaces scratchFolder() + `name` with `bytes` and returns that path, for readers that take a
// file rather than bytes.
std::string writeScratchFile(const std::string& name, std::string_view bytes);

} // namespace velkarn::fuzz
