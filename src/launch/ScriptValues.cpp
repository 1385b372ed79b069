#include "launch/ScriptValues.h"

#include "platform/Errors.h"

#include <algorithm>

namespace velkarn {

bool isSafeScriptValue(const std::string& value) {
    return std::none_of(value.begin(), value.end(), [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return c == ';' || c == '"' || code < 32 || code == 127;
    });
}

void requireSafeScriptValue(const std::string& value, const std::string& field) {
    if (!isSafeScriptValue(value))
        throw UserMessage("The " + field +
                          " must not contain a semicolon, a double quote or a control character!");
}

} // namespace velkarn
