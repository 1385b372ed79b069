#pragma once

#include "ui/widgets/Dialogs.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velkarn::test {

// Answers the dialog seam without blocking and records what was shown. Installed for the
// lifetime of the object.
class RecordingDialogs : public Dialogs {
public:
    RecordingDialogs();
    ~RecordingDialogs() override;

    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& text) override;
    std::optional<std::string> askPassword(const std::string& text) override;
    std::optional<std::string> askOpenFileName(const std::string& caption,
                                               const std::string& folder,
                                               const std::string& filter) override;
    std::optional<std::string> askSaveFileName(const std::string& caption,
                                               const std::string& folder, const std::string& filter,
                                               const std::string& defaultSuffix) override;
    std::optional<std::string> askFolder(const std::string& caption,
                                         const std::string& folder) override;
    void runModal(QDialog& dialog) override;

    std::vector<std::string> messages;                      // every message shown, in order
    std::vector<std::string> questions;                     // every yes/no question, in order
    std::deque<bool> yesNoAnswers;                          // next answers; Yes when none is left
    std::vector<std::string> passwordQuestions;             // every password asked for, in order
    std::deque<std::optional<std::string>> passwordAnswers; // next answers; cancelled when none
    std::vector<std::string> modalWindows;                  // object names of windows run modally
    std::deque<std::optional<std::string>> fileAnswers;     // next answers to file dialogs
    std::vector<std::string> fileDialogFolders; // the folder each file dialog started in
    // Called with each window run modally, to play the user's part; the window is closed after.
    std::function<void(QDialog&)> onModal;
};

} // namespace velkarn::test
