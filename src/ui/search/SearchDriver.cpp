#include "ui/search/SearchDriver.h"

#include "core/content/GameFolderSearch.h"
#include "core/session/Session.h"
#include "ui/search/SearchingWindow.h"
#include "ui/widgets/Dialogs.h"

#include <QCoreApplication>
#include <functional>
#include <optional>
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

// Keeps the search's messages for the end: one box per damaged archive would pile up behind the
// progress window.
class CollectingObserver : public SearchObserver {
public:
    void message(const std::string& text) override { messages.push_back(text); }
    void keepAlive() override { QCoreApplication::processEvents(); }

    std::vector<std::string> messages;
};

// Moves the progress bar as well. The progress window is modal to the application, so input to
// the other windows is dropped while the search runs rather than held back until it has ended.
class ProgressObserver : public CollectingObserver {
public:
    explicit ProgressObserver(SearchingWindow& window) : window_(window) {}
    void step() override { window_.advanceProgress(); }

private:
    SearchingWindow& window_;
};

bool searchRunning = false;

void rebuild(Session& session, SearchObserver& observer) {
    try {
        rebuildCatalogue(session.game.installation().contentFolders(), session.appDir(),
                         session.setup.catalogue, observer);
    } catch (...) {
        // The catalogue may have changed before the failure (new finds, the purge); the views
        // must still match it.
        session.catalogueRebuilt();
        throw;
    }
    session.catalogueRebuilt();
    session.game.findMods();
}

// The archives' problems as one message, or nothing.
std::optional<std::string> archiveMessage(const std::vector<std::string>& messages) {
    if (messages.empty())
        return std::nullopt;
    std::string text = "The search found problems in these archives:\n";
    for (const auto& message : messages)
        text += "\n" + message;
    return text;
}

} // namespace

void searchGameFolder(Session& session, SearchingWindow& window) {
    if (searchRunning)
        return;
    searchRunning = true;
    const ScopeExit done([] { searchRunning = false; });
    ProgressObserver observer(window);
    try {
        window.beginSearch();
        const ScopeExit takeDown([&window] { window.endSearch(); });
        observer.keepAlive();
        rebuild(session, observer);
    } catch (...) {
        // The window is down by now, so the messages are not hidden behind it.
        if (const auto archives = archiveMessage(observer.messages))
            dialogs().showMessage(*archives);
        throw;
    }
    if (const auto archives = archiveMessage(observer.messages))
        dialogs().showMessage(*archives);
}

std::vector<std::string> searchGameFolderAtStart(Session& session) {
    CollectingObserver observer;
    std::vector<std::string> said;
    rebuild(session, observer);
    if (const auto archives = archiveMessage(observer.messages))
        said.push_back(*archives);
    return said;
}

} // namespace velkarn
