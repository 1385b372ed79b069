#pragma once

#include "core/platform/TextFile.h"
#include "core/setup/SetupModel.h"

#include <string>

// The catalogue cache files maps.txt, bots.txt and models.txt.
namespace velkarn {

// Appends the nine-line records of maps.txt to the catalogue's mapFiles. A record whose bot
// count is not a whole number throws ConvertError; the records before it stay appended.
// Throws FileOpenError.
void readMapsFile(const std::string& fileName, Catalogue& catalogue);

// Adds every line of bots.txt (an empty one too) to the sorted bot names. Throws FileOpenError.
void readBotsFile(const std::string& fileName, Catalogue& catalogue);

// Appends the models of models.txt: a name line, skin lines up to the line "END", at most 16
// skins kept; a block not closed by "END" ends at the end of the file. Throws FileOpenError.
void readModelsFile(const std::string& fileName, Catalogue& catalogue);

// A reading that fails marks the catalogue with needsRebuild.

// The record parsing of maps.txt and models.txt, for lines already read.
void appendMapRecords(const Lines& lines, Catalogue& catalogue);
void appendModelRecords(const Lines& lines, Catalogue& catalogue);

// Writes maps.txt, bots.txt and models.txt into `folder` (ending with "/"), in this order; a
// file that already holds exactly the new content is not rewritten. Throws FileCreateError;
// files written before a failure keep their new content.
void writeCatalogueFiles(const std::string& folder, const Catalogue& catalogue);

} // namespace velkarn
