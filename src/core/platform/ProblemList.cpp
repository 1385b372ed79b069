#include "core/platform/ProblemList.h"

namespace velkarn {

void ProblemList::add(std::string problem) {
    if (listed_.size() < MaxListed)
        listed_.push_back(std::move(problem));
    else
        ++unlisted_;
}

std::vector<std::string> ProblemList::lines(const std::string& file) const {
    std::vector<std::string> result = listed_;
    if (unlisted_ > 0)
        result.push_back("... and " + std::to_string(unlisted_) + " more problems in " + file +
                         ".");
    return result;
}

} // namespace velkarn
