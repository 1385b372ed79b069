#include "core/setup/ScriptValues.h"

#include "core/platform/Errors.h"

#include <algorithm>

namespace velkarn {

namespace {

bool isControlCharacter(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 32 || code == 127;
}

} // namespace

bool isSafeScriptValue(const std::string& value) {
    return std::none_of(value.begin(), value.end(),
                        [](char c) { return c == ';' || c == '"' || isControlCharacter(c); });
}

void requireSafeScriptValue(const std::string& value, const std::string& field) {
    if (!isSafeScriptValue(value))
        throw UserMessage("The " + field +
                          " must not contain a semicolon, a double quote or a control character!");
    if (value.size() > MaxScriptValueBytes)
        throw UserMessage("The " + field + " must not be longer than " +
                          std::to_string(MaxScriptValueBytes) + " bytes!");
}

void requireSingleLineValue(const std::string& value, const std::string& field) {
    if (std::any_of(value.begin(), value.end(), isControlCharacter))
        throw UserMessage("The " + field + " must not contain a control character!");
}

} // namespace velkarn
