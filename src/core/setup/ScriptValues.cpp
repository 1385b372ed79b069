#include "core/setup/ScriptValues.h"

#include "core/platform/Errors.h"
#include "core/platform/NoCase.h"
#include "core/platform/PrintableText.h"

#include <algorithm>

namespace velkarn {

namespace {

const std::string LineComment = "contain \"//\", which starts a comment in the game's console";
const std::string CommentStart = "contain \"/*\", which starts a comment in the game's console";
const std::string CommentEnd = "contain \"*/\", which ends a comment in the game's console";
const std::string Blanks = "start or end with a blank or hold two in a row, which the game's "
                           "console drops";

// The game's tokenizer reads bytes as signed characters: everything up to the blank, and every
// byte of 128 and above, separates arguments.
bool separatesWords(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code <= ' ' || code >= 127;
}

bool isHighByte(char c) {
    return static_cast<unsigned char>(c) >= 128;
}

// The console joins the words of a Text again with one blank between them.
bool hasDroppedBlanks(std::string_view value) {
    return !value.empty() &&
           (value.front() == ' ' || value.back() == ' ' || value.find("  ") != value.npos);
}

bool inInfoString(ScriptValueKind kind) {
    return kind != ScriptValueKind::ConsoleWord;
}

bool isText(ScriptValueKind kind) {
    return kind == ScriptValueKind::Text || kind == ScriptValueKind::Secret;
}

// A message shows the value, but not a whole oversized one.
std::string shownValue(std::string_view value) {
    constexpr std::size_t Shown = 64;
    return printableText(value.substr(0, Shown)) + (value.size() > Shown ? "..." : "");
}

// The shown value in quotes it does not hold itself, so it reads as quoted once.
std::string quotedValue(std::string_view value) {
    const std::string shown = shownValue(value);
    if (shown.find('"') == std::string::npos)
        return "\"" + shown + "\"";
    if (shown.find('\'') == std::string::npos)
        return "'" + shown + "'";
    return "\u201c" + shown + "\u201d";
}

std::string commandBufferProblem(std::string_view value) {
    if (hasControlCharacter(value))
        return "contain a control character";
    if (value.find(';') != std::string_view::npos)
        return "contain a semicolon";
    if (value.find('"') != std::string_view::npos)
        return "contain a double quote";
    if (value.find("//") != std::string_view::npos)
        return LineComment;
    if (value.find("/*") != std::string_view::npos)
        return CommentStart;
    if (value.find("*/") != std::string_view::npos)
        return CommentEnd;
    return {};
}

} // namespace

std::string scriptValueProblem(std::string_view value, ScriptValueKind kind) {
    std::string problem = commandBufferProblem(value);
    if (!problem.empty())
        return problem;
    if (inInfoString(kind) && value.find('\\') != std::string_view::npos)
        return "contain a backslash, which the game's info strings refuse";
    if (isText(kind) && std::any_of(value.begin(), value.end(), isHighByte))
        return "contain a character outside plain ASCII, which the game's console splits "
               "words at";
    if (!isText(kind) && std::any_of(value.begin(), value.end(), separatesWords))
        return "contain a blank or a character outside plain ASCII";
    if (isText(kind) && hasDroppedBlanks(value))
        return Blanks;
    return {};
}

bool isSafeScriptValue(std::string_view value, ScriptValueKind kind) {
    return value.size() <= MaxScriptValueBytes && scriptValueProblem(value, kind).empty();
}

bool onlyBlanksRefused(std::string_view value, ScriptValueKind kind) {
    return scriptValueProblem(value, kind) == Blanks;
}

std::string scriptValueRefusal(const std::string& value, const std::string& field,
                               ScriptValueKind kind) {
    const std::string problem = scriptValueProblem(value, kind);
    if (!problem.empty())
        return "The " + field + (kind == ScriptValueKind::Secret ? "" : " " + quotedValue(value)) +
               " must not " + problem + "!";
    if (value.size() > MaxScriptValueBytes)
        return "The " + field + " must not be longer than " + std::to_string(MaxScriptValueBytes) +
               " bytes!";
    return {};
}

void requireSafeScriptValue(const std::string& value, const std::string& field,
                            ScriptValueKind kind) {
    const std::string refusal = scriptValueRefusal(value, field, kind);
    if (!refusal.empty())
        throw UserMessage(refusal);
}

std::string botNameProblem(std::string_view name) {
    std::string problem = scriptValueProblem(name, ScriptValueKind::Word);
    if (!problem.empty())
        return problem;
    if (std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return "be digits alone, which the game's kick command reads as a client slot";
    if (equalsNoCase(std::string(name), "all") || equalsNoCase(std::string(name), "allbots"))
        return "be \"all\" or \"allbots\", which the game's kick command reads as every player "
               "or every bot";
    return {};
}

bool isSafeBotName(std::string_view name) {
    return name.size() <= MaxScriptValueBytes && botNameProblem(name).empty();
}

std::string playerModelValue(const std::string& model, const std::string& skin) {
    requireSafeScriptValue(model, "player model", ScriptValueKind::Word);
    requireSafeScriptValue(skin, "player skin", ScriptValueKind::Word);
    std::string value = model + "/" + skin;
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
