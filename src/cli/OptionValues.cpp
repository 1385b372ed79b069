#include "cli/OptionValues.h"

#include "core/platform/Errors.h"

namespace velkarn {

const std::string* optionValue(const std::vector<std::string>& arguments, std::size_t& i,
                               const std::string& what, std::string& problem) {
    if (i + 1 >= arguments.size()) {
        problem = arguments[i] + " needs " + what;
        return nullptr;
    }
    return &arguments[++i];
}

bool takeOptionText(const std::vector<std::string>& arguments, std::size_t& i,
                    std::optional<std::string>& field, const std::string& what,
                    std::string& problem) {
    if (const std::string* text = optionValue(arguments, i, what, problem))
        field = *text;
    return true;
}

std::optional<int> optionNumber(const std::vector<std::string>& arguments, std::size_t& i, int low,
                                int high, std::string& problem) {
    const std::string range =
        "a number from " + std::to_string(low) + " to " + std::to_string(high);
    const std::string* text = optionValue(arguments, i, range, problem);
    if (!text)
        return std::nullopt;
    try {
        const int value = toInt(*text);
        if (value >= low && value <= high)
            return value;
    } catch (const ConvertError&) {
    }
    problem = arguments[i - 1] + " needs " + range + ", not '" + *text + "'";
    return std::nullopt;
}

} // namespace velkarn
