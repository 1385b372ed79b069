#pragma once

#include <cstddef>
#include <deque>
#include <string>

namespace velkarn {

// The commands sent, for a command line's Up and Down keys, as shells keep them: Up walks back
// from the newest, Down forward again to the line being typed, which is kept meanwhile. A
// command sent twice in a row is kept once; the oldest go past a limit.
class CommandHistory {
public:
    static constexpr std::size_t MaxCommands = 200;

    void add(const std::string& command);
    // The command before the one shown; `typed` is what the line holds now (kept when walking
    // starts). At the oldest, the oldest again.
    std::string previous(const std::string& typed);
    // The command after the one shown; past the newest, the line as it was typed; `typed` when
    // nothing is being walked.
    std::string next(const std::string& typed);

private:
    std::deque<std::string> commands_;
    std::size_t position_ = 0; // commands_.size() while nothing is being walked
    std::string typed_;
};

} // namespace velkarn
