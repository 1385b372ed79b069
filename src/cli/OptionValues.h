#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The values that command-line options take, read the same way by every command.
namespace velkarn {

// The value after the option at `i` (and `i` moved onto it), or nothing with `problem` set to
// "OPTION needs WHAT" when it is missing.
const std::string* optionValue(const std::vector<std::string>& arguments, std::size_t& i,
                               const std::string& what, std::string& problem);

// Takes the value after the option at `i` into `field`, as optionValue reads it. True: the option
// is taken even when its value is missing (`problem` then says so).
bool takeOptionText(const std::vector<std::string>& arguments, std::size_t& i,
                    std::optional<std::string>& field, const std::string& what,
                    std::string& problem);

// The whole number after the option at `i`, from `low` to `high`; nothing with `problem` set
// when it is missing, not a number or out of range.
std::optional<int> optionNumber(const std::vector<std::string>& arguments, std::size_t& i, int low,
                                int high, std::string& problem);

} // namespace velkarn
