#include "ui/main/SimplePage.h"

#include "ui/results/AdaptiveBotsBox.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace velkarn {

SimplePage::SimplePage(SetupModel& setup, Random& random, ResultsTracker& results, QWidget* parent)
    : QWidget(parent) {
    preDefinedGroup = new QGroupBox("Pre-Defined", this);
    preDefinedGroup->setObjectName("preDefinedGroup");
    preDefinedSetupList = new QListWidget(preDefinedGroup);
    preDefinedSetupList->setObjectName("preDefinedSetupList");
    setupScriptButton = new QPushButton("Script...", preDefinedGroup);
    setupScriptButton->setObjectName("setupScriptButton");
    playSetupButton = new QPushButton("Play...", preDefinedGroup);
    playSetupButton->setObjectName("playSetupButton");
    auto* preDefined = new QVBoxLayout(preDefinedGroup);
    preDefined->addWidget(preDefinedSetupList);
    auto* playRow = new QHBoxLayout;
    playRow->addStretch();
    playRow->addWidget(setupScriptButton);
    playRow->addWidget(playSetupButton);
    preDefined->addLayout(playRow);

    setupInfoLabel = new QLabel("Config File Info :", this);
    setupInfoLabel->setObjectName("setupInfoLabel");
    setupInfoText = new QPlainTextEdit(this);
    setupInfoText->setObjectName("setupInfoText");
    setupInfoText->setReadOnly(true);
    setupInfoText->setFrameShape(QFrame::NoFrame);

    newSetupGroup = new SetupNewGroup(setup, random, this);
    newSetupGroup->hide();
    auto* adaptive = new AdaptiveBotsBox(results, setup, this);
    adaptiveBotsBox = adaptive;
    adaptiveBotsBox->hide();
    newSetupGroup->adaptedSkill = [adaptive] { return adaptive->adaptedSkill(); };

    backButton = new QPushButton("Back", this);
    backButton->setObjectName("backButton");

    auto* info = new QVBoxLayout;
    info->addWidget(setupInfoLabel);
    info->addWidget(setupInfoText);
    auto* top = new QHBoxLayout;
    top->addWidget(preDefinedGroup, 1);
    top->addLayout(info, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(backButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(newSetupGroup);
    layout->addWidget(adaptiveBotsBox);
    layout->addLayout(bottom);
}

void SimplePage::showPreDefined(bool preDefined) {
    preDefinedGroup->setVisible(preDefined);
    setupInfoLabel->setVisible(preDefined);
    setupInfoText->setVisible(preDefined);
    newSetupGroup->setVisible(!preDefined);
    adaptiveBotsBox->setVisible(!preDefined);
}

} // namespace velkarn
