#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

    // True when the window was last closed with OK.
    bool accepted() const { return result() == QDialog::Accepted; }
};

} // namespace velkarn
