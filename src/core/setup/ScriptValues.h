#pragma once

#include <cstddef>
#include <string>

// Text values go into the game script verbatim, where a ";" ends a console command, a '"' ends a
// rotation variable and a line break starts a new command. Whoever controls a name could thus
// run any console command, so such values are refused before anything is written.
namespace velkarn {

// The longest value written. The game reads at most 1023 bytes of a line and runs the rest as
// commands of their own; with this bound a command holding two values still fits a line.
constexpr std::size_t MaxScriptValueBytes = 480;

// True when `value` holds no ";", no '"' and no control character (codes 0..31 and 127).
// Colour codes ("^1") and bytes of 128 and above are fine.
bool isSafeScriptValue(const std::string& value);

// Throws UserMessage "The <field> must not contain a semicolon, a double quote or a control
// character!" unless isSafeScriptValue(value), and "The <field> must not be longer than 480
// bytes!" for a longer value.
void requireSafeScriptValue(const std::string& value, const std::string& field);

// Throws UserMessage "The <field> must not contain a control character!" when `value` holds one:
// for texts that are kept one a line in a list file but never reach the script.
void requireSingleLineValue(const std::string& value, const std::string& field);

} // namespace velkarn
