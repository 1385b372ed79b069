#pragma once

#include "core/content/ArchiveFinds.h"
#include "core/content/CatalogueIndex.h"
#include "core/platform/TextFile.h"

#include <string>

// Readers of the game's bot texts (bots.txt, *.bot) and arena texts (arenas.txt, *.arena).
// They are narrow on purpose: one key per line, keys in a fixed order inside a block, values in
// double quotes that close at the end of the line.
namespace velkarn {

// Starting at the first character that is a digit or has a code from 65 to 122, the next n
// characters (fewer at the end of the line); empty when there is no such character. A key is
// recognised by its first n characters.
std::string keyWord(const std::string& line, std::size_t n);

// Every line that starts with the key "name" in any case names a bot: the quoted value, or the
// word after the key, as the game reads it ("Cyber-Garg", "S_Marine"). Names the game's console
// could not take are left out and counted. Adds one BotTextFind.
void readBotText(const Lines& lines, ArchiveFinds& finds);

// Reads the blocks "{", map, bots, longname, special, fraglimit, type, "}" (each optional after
// map, in this order), one ArenaFind each. After a "}" line the following line is passed over
// as well.
void readArenaText(const Lines& lines, ArchiveFinds& finds);

// The same texts merged into the catalogue at once: names not known yet (ignoring case) join
// the bot names; an arena block creates a record for a map not catalogued yet.
void parseBotText(const Lines& lines, CatalogueIndex& index);
void parseArenaText(const Lines& lines, CatalogueIndex& index);

} // namespace velkarn
