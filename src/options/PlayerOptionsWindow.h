#pragma once

#include "components/SpinEdit.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <array>

namespace velkarn {

// "Player Options": the player's coloured name, model, skin, team and simulated ping.
class TfmPlayerOptions : public QDialog {
    Q_OBJECT
public:
    explicit TfmPlayerOptions(QWidget* parent = nullptr);

    QToolBar* ToolBar;
    // tbBlack, tbRed, tbGreen, tbYellow, tbBlue, tbAqua, tbPink, tbWhite, codes "^0" to "^7".
    std::array<QToolButton*, 8> colourButtons{};
    QLabel* lbPlayerName;
    QLineEdit* edTruePlayerName;
    QTextEdit* rePlayerName; // read-only coloured preview
    QLabel* lbPlayerModel;
    QComboBox* cbPlayerModel;
    QLabel* lbPlayerSkin;
    QComboBox* cbPlayerSkin;
    QLabel* lbPlayerTeam;
    QComboBox* cbPlayerTeam;
    QLabel* lbSimPing;
    TSpinEdit* spSimPing;
    QPushButton* butPlayerOptionsOK;
};

} // namespace velkarn
