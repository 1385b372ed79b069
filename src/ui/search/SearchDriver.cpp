#include "ui/search/SearchDriver.h"

#include "core/content/GameFolderSearch.h"
#include "core/platform/Dialogs.h"
#include "ui/main/ComplexPage.h"
#include "ui/main/Forms.h"
#include "ui/main/MainWindow.h"
#include "ui/main/NetworkPage.h"
#include "ui/network/NewServerGroup.h"
#include "ui/options/GameOptionsWindow.h"
#include "ui/options/PlayerOptionsWindow.h"
#include "ui/rotation/BotsGroup.h"
#include "ui/rotation/MapsGroup.h"
#include "ui/search/SearchingWindow.h"
#include "ui/widgets/WindowPlacement.h"

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

// Every list that shows the catalogue, item for item.
void showCatalogue() {
    MainWindow& main = *forms().mainWindow;
    main.complexPage->mapsGroup->showMaps();
    main.networkPage->newServerGroup->showMaps();
    const auto archives = gameArchives(forms().gameOptionsWindow->paths().gameFolder);
    main.complexPage->mapsGroup->useNavigationFrom(archives);
    main.networkPage->newServerGroup->useNavigationFrom(archives);
    main.complexPage->botsGroup->showBotNames();
    forms().playerOptionsWindow->refillModels(main.model.catalogue, main.model.modelNameFromSetup,
                                              main.model.skinNameFromSetup);
}

void rebuildAndShow(SearchObserver& observer) {
    MainWindow& main = *forms().mainWindow;
    const std::string gameFolder = forms().gameOptionsWindow->paths().gameFolder;
    try {
        if (rebuildCatalogue(gameFolder, main.appDir, main.model.catalogue, observer))
            dialogs().showMessage(CatalogueRebuiltMessage);
    } catch (...) {
        // The catalogue may have changed before the failure (new finds, the purge); the lists
        // must still match it item for item.
        showCatalogue();
        throw;
    }
    showCatalogue();
    forms().gameOptionsWindow->searchForMods();
}

void runWithProgressWindow(ProgressObserver& observer) {
    SearchingWindow& window = *forms().searchingWindow;
    window.setWindowModality(Qt::ApplicationModal);
    centreOnScreen(&window);
    window.busy = true;
    window.show();
    const ScopeExit takeDown([&window] {
        window.progressBar->setValue(window.progressBar->maximum());
        window.busy = false;
        window.hide();
    });
    observer.keepAlive();
    rebuildAndShow(observer);
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

void searchGameFolder() {
    if (searchRunning)
        return;
    searchRunning = true;
    const ScopeExit done([] { searchRunning = false; });
    ProgressObserver observer(*forms().searchingWindow);
    try {
        runWithProgressWindow(observer);
    } catch (...) {
        showArchiveMessages(observer.messages);
        throw;
    }
    showArchiveMessages(observer.messages);
}

} // namespace velkarn
