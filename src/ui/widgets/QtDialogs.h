#pragma once

#include "ui/widgets/Dialogs.h"

class QWidget;

namespace velkarn {

// The real dialogs: QMessageBox, QFileDialog and QDialog::exec.
class QtDialogs : public Dialogs {
public:
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
};

} // namespace velkarn
