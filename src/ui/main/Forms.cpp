#include "ui/main/Forms.h"

#include "ui/main/AboutWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SplashWindow.h"
#include "ui/options/ChooseExePathWindow.h"
#include "ui/options/GameOptionsWindow.h"
#include "ui/options/ModEditWindow.h"
#include "ui/options/PlayerOptionsWindow.h"
#include "ui/options/TestReportWindow.h"
#include "ui/rotation/ConfigInfoWindow.h"
#include "ui/search/SearchingWindow.h"

namespace velkarn {

namespace {
Forms current;
}

Forms& forms() {
    return current;
}

struct FormSet::Owned {
    std::unique_ptr<MainWindow> mainWindow;
    std::unique_ptr<GameOptionsWindow> gameOptionsWindow;
    std::unique_ptr<ChooseExePathWindow> chooseExePathWindow;
    std::unique_ptr<ModEditWindow> modEditWindow;
    std::unique_ptr<PlayerOptionsWindow> playerOptionsWindow;
    std::unique_ptr<SearchingWindow> searchingWindow;
    std::unique_ptr<SplashWindow> splashWindow;
    std::unique_ptr<AboutWindow> aboutWindow;
    std::unique_ptr<TestReportWindow> testReportWindow;
    std::unique_ptr<ConfigInfoWindow> configInfoWindow;
};

// Each window is registered as soon as it exists, so a later one may reach the earlier ones
// while it is created.
FormSet::FormSet(const std::string& appDir, std::uint32_t seed) : owned_(new Owned) {
    current = Forms{};
    Owned& o = *owned_;
    current.mainWindow = (o.mainWindow = std::make_unique<MainWindow>(appDir, seed)).get();
    current.gameOptionsWindow =
        (o.gameOptionsWindow = std::make_unique<GameOptionsWindow>(appDir)).get();
    current.chooseExePathWindow =
        (o.chooseExePathWindow = std::make_unique<ChooseExePathWindow>()).get();
    current.modEditWindow = (o.modEditWindow = std::make_unique<ModEditWindow>()).get();
    current.playerOptionsWindow =
        (o.playerOptionsWindow = std::make_unique<PlayerOptionsWindow>()).get();
    current.searchingWindow = (o.searchingWindow = std::make_unique<SearchingWindow>()).get();
    current.splashWindow = (o.splashWindow = std::make_unique<SplashWindow>()).get();
    current.aboutWindow = (o.aboutWindow = std::make_unique<AboutWindow>()).get();
    current.testReportWindow =
        (o.testReportWindow = std::make_unique<TestReportWindow>(appDir)).get();
    current.configInfoWindow = (o.configInfoWindow = std::make_unique<ConfigInfoWindow>()).get();
}

FormSet::~FormSet() {
    Owned& o = *owned_;
    o.configInfoWindow.reset();
    o.testReportWindow.reset();
    o.aboutWindow.reset();
    o.splashWindow.reset();
    o.searchingWindow.reset();
    o.playerOptionsWindow.reset();
    o.modEditWindow.reset();
    o.chooseExePathWindow.reset();
    o.gameOptionsWindow.reset();
    o.mainWindow.reset();
    current = Forms{};
}

} // namespace velkarn
