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
    std::unique_ptr<TfmMain> fmMain;
    std::unique_ptr<TfmGameOptions> fmGameOptions;
    std::unique_ptr<TfmChooseExePath> fmChooseExePath;
    std::unique_ptr<TfmModEdit> fmModEdit;
    std::unique_ptr<TfmPlayerOptions> fmPlayerOptions;
    std::unique_ptr<TfmSearching> fmSearching;
    std::unique_ptr<TfmSplash> fmSplash;
    std::unique_ptr<TfmAbout> fmAbout;
    std::unique_ptr<TfmTestReport> fmTestReport;
    std::unique_ptr<TfmConfigInfo> fmConfigInfo;
};

// Each window is registered as soon as it exists, so a later one may reach the earlier ones
// while it is created.
FormSet::FormSet(const std::string& appDir, std::uint32_t seed) : owned_(new Owned) {
    current = Forms{};
    Owned& o = *owned_;
    current.fmMain = (o.fmMain = std::make_unique<TfmMain>(appDir, seed)).get();
    current.fmGameOptions = (o.fmGameOptions = std::make_unique<TfmGameOptions>(appDir)).get();
    current.fmChooseExePath = (o.fmChooseExePath = std::make_unique<TfmChooseExePath>()).get();
    current.fmModEdit = (o.fmModEdit = std::make_unique<TfmModEdit>()).get();
    current.fmPlayerOptions = (o.fmPlayerOptions = std::make_unique<TfmPlayerOptions>()).get();
    current.fmSearching = (o.fmSearching = std::make_unique<TfmSearching>()).get();
    current.fmSplash = (o.fmSplash = std::make_unique<TfmSplash>()).get();
    current.fmAbout = (o.fmAbout = std::make_unique<TfmAbout>()).get();
    current.fmTestReport = (o.fmTestReport = std::make_unique<TfmTestReport>(appDir)).get();
    current.fmConfigInfo = (o.fmConfigInfo = std::make_unique<TfmConfigInfo>()).get();
}

FormSet::~FormSet() {
    Owned& o = *owned_;
    o.fmConfigInfo.reset();
    o.fmTestReport.reset();
    o.fmAbout.reset();
    o.fmSplash.reset();
    o.fmSearching.reset();
    o.fmPlayerOptions.reset();
    o.fmModEdit.reset();
    o.fmChooseExePath.reset();
    o.fmGameOptions.reset();
    o.fmMain.reset();
    current = Forms{};
}

} // namespace velkarn
