#pragma once

#include <string>
#include <string_view>

// Control characters in names that come from outside: archives, list files, server answers.
namespace velkarn {

// Codes 0..31 and 127.
bool isControlCharacter(char c);
bool hasControlCharacter(std::string_view text);

// `text` with every control character replaced by "?": for names shown on a terminal, in a
// message or in one line of a list file, where they could move the cursor, change colors or
// start a new line.
std::string printableText(std::string_view text);

// Whether `text` is well-formed UTF-8: no stray or missing continuation bytes, no overlong
// forms, no surrogates, nothing beyond U+10FFFF.
bool isUtf8(std::string_view text);

} // namespace velkarn
