#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace velkarn {

class MainWindow;
class GameOptionsWindow;
class ChooseExePathWindow;
class ModEditWindow;
class PlayerOptionsWindow;
class SearchingWindow;
class SplashWindow;
class AboutWindow;
class TestReportWindow;
class ConfigInfoWindow;

// The ten windows of a run. Each exists once and is reached through its instance here; closing
// a window hides it.
struct Forms {
    MainWindow* mainWindow = nullptr;
    GameOptionsWindow* gameOptionsWindow = nullptr;
    ChooseExePathWindow* chooseExePathWindow = nullptr;
    ModEditWindow* modEditWindow = nullptr;
    PlayerOptionsWindow* playerOptionsWindow = nullptr;
    SearchingWindow* searchingWindow = nullptr;
    SplashWindow* splashWindow = nullptr;
    AboutWindow* aboutWindow = nullptr;
    TestReportWindow* testReportWindow = nullptr;
    ConfigInfoWindow* configInfoWindow = nullptr;
};

// The windows of the running program (or of the test that made them).
Forms& forms();

// Creates the ten windows in their fixed order and owns them; destroys them in reverse order.
class FormSet {
public:
    // `appDir` ends with "/"; the random generator is seeded with `seed`.
    FormSet(const std::string& appDir, std::uint32_t seed);
    ~FormSet();
    FormSet(const FormSet&) = delete;
    FormSet& operator=(const FormSet&) = delete;

private:
    struct Owned;
    std::unique_ptr<Owned> owned_;
};

} // namespace velkarn
