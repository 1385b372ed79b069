#pragma once

#include <functional>
#include <optional>
#include <string>

class QDialog;

// The one seam through which windows show messages, ask for files and run windows modally.
// The program installs the Qt implementation; tests install one that answers and records.
namespace velkarn {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box with an OK button.
    virtual void showMessage(const std::string& text) = 0;

    // A question with Yes and No buttons; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;

    // Asks for a password, typed without being shown; nothing when the user cancels.
    virtual std::optional<std::string> askPassword(const std::string& text) = 0;

    // File dialogs; nothing when the user cancels. `filter` is in Qt's form
    // ("Velkarn Files (*.vkn)").
    virtual std::optional<std::string> askOpenFileName(const std::string& caption,
                                                       const std::string& folder,
                                                       const std::string& filter) = 0;
    virtual std::optional<std::string> askSaveFileName(const std::string& caption,
                                                       const std::string& folder,
                                                       const std::string& filter,
                                                       const std::string& defaultSuffix) = 0;

    // The desktop's folder dialog; nothing when the user cancels.
    virtual std::optional<std::string> askFolder(const std::string& caption,
                                                 const std::string& folder) = 0;

    // Shows a window modally and returns when it is closed.
    virtual void runModal(QDialog& dialog) = 0;
};

// The installed implementation. Installing nullptr restores none; using it then throws.
Dialogs& dialogs();
void installDialogs(Dialogs* implementation);

} // namespace velkarn
