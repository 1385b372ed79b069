#include "options/PlayerOptionsWindow.h"

#include "components/WindowPlacement.h"

#include <QGridLayout>

namespace velkarn {

TfmPlayerOptions::TfmPlayerOptions(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
    setObjectName("fmPlayerOptions");
    setWindowTitle("Player Options");
    setAttribute(Qt::WA_QuitOnClose, false);

    ToolBar = new QToolBar(this);
    ToolBar->setObjectName("ToolBar");
    lbPlayerName = new QLabel("Player Name", this);
    edTruePlayerName = new QLineEdit(this);
    edTruePlayerName->setObjectName("edTruePlayerName");
    lbPlayerName->setBuddy(edTruePlayerName);
    rePlayerName = new QTextEdit(this);
    rePlayerName->setObjectName("rePlayerName");
    rePlayerName->setReadOnly(true);
    rePlayerName->setFixedHeight(rePlayerName->fontMetrics().height() + 12);
    rePlayerName->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rePlayerName->setLineWrapMode(QTextEdit::NoWrap);
    rePlayerName->setStyleSheet("QTextEdit { background: rgb(150,150,150); color: white; }");
    lbPlayerModel = new QLabel("Player Model", this);
    cbPlayerModel = new QComboBox(this);
    cbPlayerModel->setObjectName("cbPlayerModel");
    lbPlayerModel->setBuddy(cbPlayerModel);
    lbPlayerSkin = new QLabel("Player Skin", this);
    cbPlayerSkin = new QComboBox(this);
    cbPlayerSkin->setObjectName("cbPlayerSkin");
    lbPlayerSkin->setBuddy(cbPlayerSkin);
    lbPlayerTeam = new QLabel("Player Team", this);
    cbPlayerTeam = new QComboBox(this);
    cbPlayerTeam->setObjectName("cbPlayerTeam");
    cbPlayerTeam->addItems({"Choose at launch", "Blue", "Red"});
    lbPlayerTeam->setBuddy(cbPlayerTeam);
    lbSimPing = new QLabel("Simulated Ping", this);
    spSimPing = new TSpinEdit(0, 500, 10, 0, this);
    spSimPing->setObjectName("spSimPing");
    lbSimPing->setBuddy(spSimPing);
    butPlayerOptionsOK = new QPushButton("OK", this);
    butPlayerOptionsOK->setObjectName("butPlayerOptionsOK");
    makeBold(butPlayerOptionsOK);
    connect(butPlayerOptionsOK, &QPushButton::clicked, this, &QDialog::hide);

    auto* grid = new QGridLayout(this);
    grid->addWidget(ToolBar, 0, 0, 1, 2);
    grid->addWidget(lbPlayerName, 1, 0);
    grid->addWidget(edTruePlayerName, 1, 1);
    grid->addWidget(rePlayerName, 2, 1);
    grid->addWidget(lbPlayerModel, 3, 0);
    grid->addWidget(cbPlayerModel, 3, 1);
    grid->addWidget(lbPlayerSkin, 4, 0);
    grid->addWidget(cbPlayerSkin, 4, 1);
    grid->addWidget(lbPlayerTeam, 5, 0);
    grid->addWidget(cbPlayerTeam, 5, 1);
    grid->addWidget(lbSimPing, 6, 0);
    grid->addWidget(spSimPing, 6, 1);
    grid->addWidget(butPlayerOptionsOK, 7, 1, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    centreOnScreen(this);
}

} // namespace velkarn
