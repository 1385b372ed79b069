#pragma once

#include "core/content/CatalogueIndex.h"
#include "core/content/SearchObserver.h"
#include "core/content/ZipArchive.h"
#include "core/setup/SetupModel.h"

#include <string>
#include <vector>

// The content search over the game folder: every ".pk3" archive below it that the catalogue
// does not know yet is scanned and merged in; the catalogue files then keep the result.
namespace velkarn {

// The whole search without windows: scans `gameFolder` (ending with "/"; empty: nothing to
// scan), purges the catalogue and writes maps.txt, bots.txt and models.txt into `appDir`
// (ending with "/"). Archive problems go to observer.message and the search goes on. Throws
// FileCreateError when a catalogue file cannot be written.
// A catalogue marked needsRebuild is emptied first, so every archive is searched again; the
// result is true then, and the caller says CatalogueRebuiltMessage once.
extern const char* const CatalogueRebuiltMessage;
bool rebuildCatalogue(const std::string& gameFolder, const std::string& appDir,
                      Catalogue& catalogue, SearchObserver& observer);
// The same over several folders, walked in the order given (an installation's home folder
// before its base folder, as the engine reads them).
bool rebuildCatalogue(const std::vector<std::string>& folders, const std::string& appDir,
                      Catalogue& catalogue, SearchObserver& observer);

// Walks the folders (each ending with "/") depth first: subfolders first (except ones named
// exactly "Extras"), then the folder's own files whose names end exactly in ".pk3" and that are
// no map's home yet (CatalogueIndex::isNewArchive), each in the engine's order of names (ignoring
// case), a game folder's own data folder (baseq3, baseoa) after its mod folders. A folder reached again through a symbolic link is not walked twice; below the folders
// directly inside a game folder, a folder link is followed only where it stays inside the game's
// folders, and never into "/", /proc, /sys or /dev. Names holding control characters are passed
// over and said; so are problems with an archive, the first 20 of each with control characters
// shown as "?", then how many more.
void scanFolders(const std::vector<std::string>& folders, CatalogueIndex& index,
                 SearchObserver& observer);

// Every archive scanFolders would walk to, in its order, whether the catalogue knows it or not.
// An empty game folder has none.
std::vector<std::string> gameArchives(const std::vector<std::string>& folders);

// Drops map files that no archive holds (named only by an arena text) and models without
// skins, keeping the order of the rest.
void purgeCatalogue(Catalogue& catalogue);

} // namespace velkarn
