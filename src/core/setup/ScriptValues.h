#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The one rule for what may be written into a game script, and for what the engine makes of
// it. The game's command buffer ends a command at ";" and at a line break, runs "//" to the end
// of the line as a comment, and skips "/*" up to "*/", running whatever follows as a new
// command; a '"' changes what all of these mean. A rotation variable is run again unquoted when
// "vstr" expands it. Whoever controls a name could thus run any console command, so such values
// are refused before anything is written, and names from archives that would be refused never
// enter the catalogue. Beyond the bytes, the engine gives some values a meaning of their own:
// its tokenizer splits words at every byte of 128 and above and joins them again with one
// blank, its info strings refuse "\", and its kick command reads "all", "allbots" and numbers
// as something else than a name.
namespace velkarn {

// The longest value written. The game reads at most 1023 bytes of a line and runs the rest as
// commands of their own; with this bound a command holding two values still fits a line.
constexpr std::size_t MaxScriptValueBytes = 480;

// How a value is read back by the game.
// - Text: the rest of its command, kept in an info string (player name, host name, message).
// - Secret: a Text that messages never show (a password).
// - Word: one argument kept in an info string (map, bot, team, model, skin, mod folder, server
//   address); the game ends it at a blank or at any byte outside printable ASCII.
// - ConsoleWord: one argument no info string holds (the remote console password).
enum class ScriptValueKind { Text, Secret, Word, ConsoleWord };

// What keeps `value` from being written as it stands, as the end of "must not ...": "contain a
// semicolon", "contain \"//\", which starts a comment in the game's console"...; empty when
// nothing does. Color codes ("^1") are fine.
std::string scriptValueProblem(std::string_view value,
                               ScriptValueKind kind = ScriptValueKind::Text);

bool isSafeScriptValue(std::string_view value, ScriptValueKind kind = ScriptValueKind::Text);

// Whether the only thing wrong with a Text is its blanks, which the game drops at its start and
// end and joins to one between words: a field may hold it while it is being typed.
bool onlyBlanksRefused(std::string_view value, ScriptValueKind kind = ScriptValueKind::Text);

// 'The <field> "<value>" must not <problem>!' (control characters of the value shown as "?";
// a Secret's value left out), or "The <field> must not be longer than 480 bytes!"; empty when
// the value is fine.
std::string scriptValueRefusal(const std::string& value, const std::string& field,
                               ScriptValueKind kind = ScriptValueKind::Text);
// Throws UserMessage with scriptValueRefusal when there is one.
void requireSafeScriptValue(const std::string& value, const std::string& field,
                            ScriptValueKind kind = ScriptValueKind::Text);

// A bot name as "addbot" and "kick" read it: a safe Word that kick takes as one player's name,
// never "all", "allbots" (any case) or digits alone, which it reads as every player, every bot
// or a client slot. Empty when the name is fine, else the problem as scriptValueProblem says it.
std::string botNameProblem(std::string_view name);
bool isSafeBotName(std::string_view name);

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
