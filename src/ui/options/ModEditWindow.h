#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velkarn {

// "Edit Mod": the display name and the parameters of one mod.
class TfmModEdit : public QDialog {
    Q_OBJECT
public:
    explicit TfmModEdit(QWidget* parent = nullptr);

    QLabel* lbAddModName;
    QLineEdit* edEditModName;
    QLabel* lbAddModParameters;
    QLineEdit* edEditModParameters;
    QPushButton* butOKEditMod;
    QPushButton* butCancelEditMod;

    // True when the window was last closed with OK.
    bool accepted() const { return result() == QDialog::Accepted; }
};

} // namespace velkarn
