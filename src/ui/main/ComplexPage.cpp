#include "ui/main/ComplexPage.h"

#include "ui/widgets/WindowPlacement.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace velkarn {

ComplexPage::ComplexPage(SetupModel& model, Random& random, QWidget* parent) : QWidget(parent) {
    gbBots = new BotsGroup(model, this);
    gbMaps = new MapsGroup(model, random, *gbBots, this);
    gbBots->maps = gbMaps;
    butPlay = new QPushButton("Play...", this);
    butPlay->setObjectName("butPlay");
    makeBold(butPlay);
    butComplexBack = new QPushButton("Back", this);
    butComplexBack->setObjectName("butComplexBack");

    auto* groups = new QHBoxLayout;
    groups->addWidget(gbMaps, 1);
    groups->addWidget(gbBots, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(butPlay);
    bottom->addWidget(butComplexBack);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups, 1);
    layout->addLayout(bottom);
}

} // namespace velkarn
