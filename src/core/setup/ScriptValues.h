#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The one rule for what may be written into a game script. The game's command buffer ends a
// command at ";" and at a line break, runs "//" to the end of the line as a comment, and skips
// "/*" up to "*/", running whatever follows as a new command; a '"' changes what all of these
// mean. A rotation variable is run again unquoted when "vstr" expands it. Whoever controls a
// name could thus run any console command, so such values are refused before anything is
// written, and names from archives that would be refused never enter the catalogue.
namespace velkarn {

// The longest value written. The game reads at most 1023 bytes of a line and runs the rest as
// commands of their own; with this bound a command holding two values still fits a line.
constexpr std::size_t MaxScriptValueBytes = 480;

// How a value is read back by the game. A Text is the rest of its command (a player name, a host
// name, a message); a Word is one argument, which the game ends at a blank or at any byte outside
// printable ASCII (a map, bot, team, model, skin, address or mod folder).
enum class ScriptValueKind { Text, Word };

// What keeps `value` from being written as it stands: "a semicolon", "\"//\", which starts a
// comment in the game's console"...; empty when nothing does. Colour codes ("^1") are fine, and
// so are bytes of 128 and above in a Text.
std::string scriptValueProblem(std::string_view value,
                               ScriptValueKind kind = ScriptValueKind::Text);

bool isSafeScriptValue(std::string_view value, ScriptValueKind kind = ScriptValueKind::Text);

// Throws UserMessage 'The <field> "<value>" must not contain <problem>!' (control characters of
// the value shown as "?"), or "The <field> must not be longer than 480 bytes!".
void requireSafeScriptValue(const std::string& value, const std::string& field,
                            ScriptValueKind kind = ScriptValueKind::Text);

// "model/skin", as the game's model setting takes them. Throws UserMessage for a model or skin
// that is no safe Word, or whose joining would start or end a comment ("x*" with "/y").
std::string playerModelValue(const std::string& model, const std::string& skin);
// Whether a catalogued model or skin can be part of playerModelValue whatever it is joined to.
bool isSafeModelName(std::string_view model);
bool isSafeSkinName(std::string_view skin);

// Throws UserMessage "The <field> must not contain a control character!" when `value` holds one:
// for texts that are kept one a line in a list file but never reach the script.
void requireSingleLineValue(const std::string& value, const std::string& field);

} // namespace velkarn
