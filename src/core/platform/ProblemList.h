#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace velkarn {

// The problems found in one file: the first ones word for word, the rest only counted, so that a
// file of junk gives a screenful rather than a line for each of its million lines.
class ProblemList {
public:
    static constexpr std::size_t MaxListed = 20;

    void add(std::string problem);
    bool empty() const { return listed_.empty(); }
    // The listed problems, then "... and N more problems in <file>." when there were more.
    std::vector<std::string> lines(const std::string& file) const;

private:
    std::vector<std::string> listed_;
    std::size_t unlisted_ = 0;
};

} // namespace velkarn
