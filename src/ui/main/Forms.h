#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace velkarn {

class TfmMain;
class TfmGameOptions;
class TfmChooseExePath;
class TfmModEdit;
class TfmPlayerOptions;
class TfmSearching;
class TfmSplash;
class TfmAbout;
class TfmTestReport;
class TfmConfigInfo;

// The ten windows of a run. Each exists once and is reached through its instance here; closing
// a window hides it.
struct Forms {
    TfmMain* fmMain = nullptr;
    TfmGameOptions* fmGameOptions = nullptr;
    TfmChooseExePath* fmChooseExePath = nullptr;
    TfmModEdit* fmModEdit = nullptr;
    TfmPlayerOptions* fmPlayerOptions = nullptr;
    TfmSearching* fmSearching = nullptr;
    TfmSplash* fmSplash = nullptr;
    TfmAbout* fmAbout = nullptr;
    TfmTestReport* fmTestReport = nullptr;
    TfmConfigInfo* fmConfigInfo = nullptr;
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
