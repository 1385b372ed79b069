#pragma once

#include "core/setup/ModList.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

namespace velkarn {

// "Edit Mod": the display name and the parameters of one mod.
class ModEditWindow : public QDialog {
    Q_OBJECT
public:
    explicit ModEditWindow(QWidget* parent = nullptr);

    QLabel* modNameLabel;
    QLineEdit* modNameEdit;
    QLabel* modParametersLabel;
    QLineEdit* modParametersEdit;
    QPushButton* okButton;
    QPushButton* cancelButton;

    // Shows `mod` for editing, modally; the edited mod when the window is closed with OK.
    std::optional<Mod> edit(const Mod& mod);
};

} // namespace velkarn
