#include "ui/search/SearchDriver.h"

#include "core/content/GameFolderSearch.h"
#include "ui/widgets/Dialogs.h"
#include "core/session/Session.h"
#include "ui/search/SearchingWindow.h"

#include <QCoreApplication>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace velkarn {

namespace {

// Runs `action` when the scope is left, by return or by exception.
class ScopeExit {
public:
    explicit ScopeExit(std::function<void()> action) : action_(std::move(action)) {}
    ~ScopeExit() { action_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    std::function<void()> action_;
};

// Moves the progress bar, keeps the windows painted and keeps the archive messages for the end:
// one box per damaged archive would pile up behind the progress window.
class ProgressObserver : public SearchObserver {
public:
    explicit ProgressObserver(SearchingWindow& window) : window_(window) {}

    void step() override { window_.advanceProgress(); }
    void message(const std::string& text) override { messages.push_back(text); }
    // The progress window is modal to the application, so input to the other windows is
    // dropped here rather than held back until the search has ended.
    void keepAlive() override { QCoreApplication::processEvents(); }

    std::vector<std::string> messages;

private:
    SearchingWindow& window_;
};

bool searchRunning = false;

void rebuildAndShow(Session& session, SearchObserver& observer) {
    try {
        if (rebuildCatalogue(session.game.installation().contentFolders(), session.appDir(),
                             session.setup.catalogue, observer))
            dialogs().showMessage(CatalogueRebuiltMessage);
    } catch (...) {
        // The catalogue may have changed before the failure (new finds, the purge); the lists
        // must still match it item for item.
        session.catalogueRebuilt();
        throw;
    }
    session.catalogueRebuilt();
    session.game.findMods();
}

void runWithProgressWindow(Session& session, SearchingWindow& window, ProgressObserver& observer) {
    window.beginSearch();
    const ScopeExit takeDown([&window] { window.endSearch(); });
    observer.keepAlive();
    rebuildAndShow(session, observer);
}

void showArchiveMessages(const std::vector<std::string>& messages) {
    if (messages.empty())
        return;
    std::string text = "The search found problems in these archives:\n";
    for (const auto& message : messages)
        text += "\n" + message;
    dialogs().showMessage(text);
}

} // namespace

void searchGameFolder(Session& session, SearchingWindow& window) {
    if (searchRunning)
        return;
    searchRunning = true;
    const ScopeExit done([] { searchRunning = false; });
    ProgressObserver observer(window);
    try {
        runWithProgressWindow(session, window, observer);
    } catch (...) {
        showArchiveMessages(observer.messages);
        throw;
    }
    showArchiveMessages(observer.messages);
}

} // namespace velkarn
