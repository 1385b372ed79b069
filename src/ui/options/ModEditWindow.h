#pragma once

#include "core/setup/ModList.h"

#include <QDialog>
#include <optional>

class QLineEdit;

namespace velkarn {

// "Edit Mod": the display name and the parameters of one mod. It grows in width and keeps its
// size and place.
class ModEditWindow : public QDialog {
    Q_OBJECT
public:
    explicit ModEditWindow(QWidget* parent = nullptr);

    // Shows `mod` for editing, modally; the edited mod when the window is left with OK.
    std::optional<Mod> edit(const Mod& mod);

private:
    QLineEdit* modNameEdit_;
    QLineEdit* modParametersEdit_;
};

} // namespace velkarn
