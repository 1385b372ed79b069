#include "ui/main/SimplePage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace velkarn {

SimplePage::SimplePage(QWidget* parent) : QWidget(parent) {
    gbPreDefined = new QGroupBox("Pre-Defined", this);
    gbPreDefined->setObjectName("gbPreDefined");
    lbSimpleConfigs = new QListWidget(gbPreDefined);
    lbSimpleConfigs->setObjectName("lbSimpleConfigs");
    butSimplePlay = new QPushButton("Play...", gbPreDefined);
    butSimplePlay->setObjectName("butSimplePlay");
    auto* preDefined = new QVBoxLayout(gbPreDefined);
    preDefined->addWidget(lbSimpleConfigs);
    preDefined->addWidget(butSimplePlay, 0, Qt::AlignRight);

    lbConfigInfo = new QLabel("Config File Info :", this);
    lbConfigInfo->setObjectName("lbConfigInfo");
    memPreDefinedInfo = new QPlainTextEdit(this);
    memPreDefinedInfo->setObjectName("memPreDefinedInfo");
    memPreDefinedInfo->setReadOnly(true);
    memPreDefinedInfo->setFrameShape(QFrame::NoFrame);

    gbSetupNew = new SetupNewGroup(this);
    gbSetupNew->hide();

    butSimpleBack = new QPushButton("Back", this);
    butSimpleBack->setObjectName("butSimpleBack");

    auto* info = new QVBoxLayout;
    info->addWidget(lbConfigInfo);
    info->addWidget(memPreDefinedInfo);
    auto* top = new QHBoxLayout;
    top->addWidget(gbPreDefined, 1);
    top->addLayout(info, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(butSimpleBack);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(gbSetupNew);
    layout->addLayout(bottom);
}

void SimplePage::showPreDefined(bool preDefined) {
    gbPreDefined->setVisible(preDefined);
    lbConfigInfo->setVisible(preDefined);
    memPreDefinedInfo->setVisible(preDefined);
    gbSetupNew->setVisible(!preDefined);
}

} // namespace velkarn
