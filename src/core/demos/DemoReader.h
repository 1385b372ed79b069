#pragma once

#include "core/demos/DemoFacts.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Reads a demo's facts from its first blocks and its last one, never the whole file: a demo is
// a run of blocks (sequence number, length, message), little-endian, ended by two -1 words when
// the recording stopped cleanly.
namespace velkarn {

// Where a demo's bytes come from: a file, or an entry of an archive.
struct DemoBytes {
    unsigned long long size = 0;
    // Up to `count` bytes from `offset` (fewer at the end).
    std::function<std::string(unsigned long long offset, std::size_t count)> read;
};

// The largest message the engine writes in a block.
constexpr std::size_t MaxDemoMessage = 16384;

// `name` is what a problem is said about (the file's path, or archive and entry).
DemoRead readDemo(const DemoBytes& bytes, const std::string& name);

// A demo held in memory, such as an archive's entry.
DemoRead readDemoBytes(std::string_view bytes, const std::string& name);

// A demo file; NotFound when it is not there, CantRead when it cannot be read.
DemoRead readDemoFile(const std::string& path);

} // namespace velkarn
