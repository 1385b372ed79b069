#include "ui/main/ComplexPage.h"

#include "ui/widgets/WindowPlacement.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace velkarn {

ComplexPage::ComplexPage(SetupModel& model, Random& random, QWidget* parent) : QWidget(parent) {
    botsGroup = new BotsGroup(model, this);
    mapsGroup = new MapsGroup(model, random, *botsGroup, this);
    botsGroup->maps = mapsGroup;
    scriptButton = new QPushButton("Script...", this);
    scriptButton->setObjectName("scriptButton");
    playButton = new QPushButton("Play...", this);
    playButton->setObjectName("playButton");
    makeBold(playButton);
    backButton = new QPushButton("Back", this);
    backButton->setObjectName("backButton");

    auto* groups = new QHBoxLayout;
    groups->addWidget(mapsGroup, 1);
    groups->addWidget(botsGroup, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(scriptButton);
    bottom->addWidget(playButton);
    bottom->addWidget(backButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups, 1);
    layout->addLayout(bottom);
}

} // namespace velkarn
