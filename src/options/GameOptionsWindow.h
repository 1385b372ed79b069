#pragma once

#include "options/PathFile.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace velkarn {

// "Game Options": the game folder, the extra command line and the mod list.
class TfmGameOptions : public QDialog {
    Q_OBJECT
public:
    explicit TfmGameOptions(const std::string& appDir, QWidget* parent = nullptr);

    QLabel* lbExePath;
    QLineEdit* edExePath;
    QPushButton* butChooseExePath;
    QPushButton* butGOOK;
    QLabel* lbMod;
    QComboBox* cbMod;
    QPushButton* butFindMods;
    QPushButton* butEditMod;
    QPushButton* butRemoveMod;
    QListWidget* lbModParameters; // hidden; parameters of each mod, index for index with cbMod
    QLabel* lbCommandLine;
    QLineEdit* edCommandLine;

    // The game folder and command line as the fields hold them.
    GamePaths paths() const;
    void setPaths(const GamePaths& paths);

    // Path validation when the field is left: a trailing "/" is added, then the game's
    // executable is looked for.
    void edExePathChange();
    void butChooseExePathClick();
    // Hides the window and writes path.txt.
    void butGOOKClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string appDir_;
};

} // namespace velkarn
