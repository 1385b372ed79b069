#pragma once

#include <string>
#include <vector>

namespace velkarn {

class Session;
class SearchingWindow;

// The content search with its progress window: rebuilds the catalogue from the game folder of
// the game options, tells every view of the catalogue (Session::catalogueChanged), runs the mod
// search and lists the archives that could not be read in one message. The
// progress window blocks input to the other windows while the search runs; a call made while
// a search runs returns at once. Errors that end the search are rethrown after the window is
// hidden, for the general error handler to show.
void searchGameFolder(Session& session, SearchingWindow& window);

// The same search at start-up, while the splash shows instead of the progress window: what it
// would say in message boxes is returned, to be shown once the main window is up. Errors that
// end the search are thrown.
std::vector<std::string> searchGameFolderAtStart(Session& session);

} // namespace velkarn
