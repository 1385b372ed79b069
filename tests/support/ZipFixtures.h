#pragma once

#include "core/content/ZipMessages.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Archives made by the tests: well-formed ones through libzip, and hand-made bytes where a test
// needs fields libzip would not write (host systems, data in front, bad checksums).
namespace velkarn::test {

using EntryList = std::vector<std::pair<std::string, std::string>>; // name, content

// Writes a zip archive with libzip, entries in the order given (deflated unless `store`).
// Returns the path.
std::string writeZip(const std::string& path, const EntryList& entries, bool store = false);

struct RawEntry {
    std::string name;
    std::string data;
    std::uint8_t host = 3; // Unix
    std::uint8_t version = 20;
    std::uint16_t flags = 0;
    bool badCrc = false;
};

struct RawZipParts {
    std::string prefix;  // in front; offsets are not adjusted for it
    std::string comment; // the archive comment
    std::string trailer; // after the end record
};

// The bytes of an archive of stored entries.
std::string rawZip(const std::vector<RawEntry>& entries, const RawZipParts& parts = {});

// Collects what an archive component reports.
struct MessageLog {
    std::vector<ZipMessage> messages;
    ZipMessageHandler handler() {
        return [this](const ZipMessage& m) { messages.push_back(m); };
    }
    std::vector<int> numbers() const;
};

} // namespace velkarn::test
