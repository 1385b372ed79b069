#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// What may travel in a remote console packet. The engine reads the packet's text up to its
// first line end, at most 1023 bytes, turns "%" and bytes above 127 into ".", and compares the
// password with its first token: a password that is not one token as its tokenizer splits words
// can never match.
namespace velkarn {

// The most text of a remote console packet the engine reads.
constexpr std::size_t MaxRconTextBytes = 1023;

// Throws UserMessage unless `password` is one word of printable ASCII characters that the
// server script can carry (a Word of ScriptValues.h) without a percent sign, and not empty.
// The messages never show the password.
void requireRconPassword(const std::string& password);

// Throws UserMessage for a command with a control character (a line end would cut it short),
// and for one that would not fit the packet's text with "rcon " and the password.
void requireRconCommand(const std::string& command, const std::string& password);

// The first line of a password file, without its line end. Throws FileOpenError when it cannot
// be read, UserMessage when it holds no password or one requireRconPassword refuses.
std::string readPasswordFile(const std::string& path);

// The engine's answers to a password it does not take.
bool isRconRefusal(std::string_view reply);

// A reply as a terminal shows it: the color codes of every line removed, and control
// characters but line ends made "?".
std::string plainConsoleText(std::string_view reply);

} // namespace velkarn
