#include "core/setup/ScriptValues.h"

#include "core/platform/Errors.h"
#include "core/platform/PrintableText.h"

#include <algorithm>

namespace velkarn {

namespace {

const std::string LineComment = "\"//\", which starts a comment in the game's console";
const std::string CommentStart = "\"/*\", which starts a comment in the game's console";
const std::string CommentEnd = "\"*/\", which ends a comment in the game's console";

// The game's tokenizer reads bytes as signed characters: everything up to the blank, and every
// byte of 128 and above, separates arguments.
bool separatesWords(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code <= ' ' || code >= 127;
}

// A message shows the value, but not a whole oversized one.
std::string shownValue(std::string_view value) {
    constexpr std::size_t Shown = 64;
    return printableText(value.substr(0, Shown)) + (value.size() > Shown ? "..." : "");
}

} // namespace

std::string scriptValueProblem(std::string_view value, ScriptValueKind kind) {
    if (hasControlCharacter(value))
        return "a control character";
    if (value.find(';') != std::string_view::npos)
        return "a semicolon";
    if (value.find('"') != std::string_view::npos)
        return "a double quote";
    if (value.find("//") != std::string_view::npos)
        return LineComment;
    if (value.find("/*") != std::string_view::npos)
        return CommentStart;
    if (value.find("*/") != std::string_view::npos)
        return CommentEnd;
    if (kind == ScriptValueKind::Word && std::any_of(value.begin(), value.end(), separatesWords))
        return "a blank or a character outside plain ASCII";
    return {};
}

bool isSafeScriptValue(std::string_view value, ScriptValueKind kind) {
    return value.size() <= MaxScriptValueBytes && scriptValueProblem(value, kind).empty();
}

void requireSafeScriptValue(const std::string& value, const std::string& field,
                            ScriptValueKind kind) {
    const std::string problem = scriptValueProblem(value, kind);
    if (!problem.empty())
        throw UserMessage("The " + field + " \"" + shownValue(value) + "\" must not contain " +
                          problem + "!");
    if (value.size() > MaxScriptValueBytes)
        throw UserMessage("The " + field + " must not be longer than " +
                          std::to_string(MaxScriptValueBytes) + " bytes!");
}

std::string playerModelValue(const std::string& model, const std::string& skin) {
    requireSafeScriptValue(model, "player model", ScriptValueKind::Word);
    requireSafeScriptValue(skin, "player skin", ScriptValueKind::Word);
    const std::string value = model + "/" + skin;
    requireSafeScriptValue(value, "player model and skin", ScriptValueKind::Word);
    return value;
}

// A model is followed by "/", a skin follows one: checked as joined, so that no model or skin
// of the catalogue can make a comment of the other.
bool isSafeModelName(std::string_view model) {
    return !model.empty() && isSafeScriptValue(std::string(model) + "/", ScriptValueKind::Word);
}

bool isSafeSkinName(std::string_view skin) {
    return isSafeScriptValue("/" + std::string(skin), ScriptValueKind::Word);
}

void requireSingleLineValue(const std::string& value, const std::string& field) {
    if (hasControlCharacter(value))
        throw UserMessage("The " + field + " must not contain a control character!");
}

} // namespace velkarn
