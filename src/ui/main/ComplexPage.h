#pragma once

#include "core/platform/Random.h"
#include "core/setup/SetupModel.h"
#include "ui/rotation/BotsGroup.h"
#include "ui/rotation/MapsGroup.h"

#include <QPushButton>
#include <QWidget>

namespace velkarn {

// The Complex page: the map rotation with each map's bots, a look at its script, and Play.
class ComplexPage : public QWidget {
    Q_OBJECT
public:
    ComplexPage(SetupModel& model, Random& random, QWidget* parent = nullptr);

    BotsGroup* botsGroup;
    MapsGroup* mapsGroup;
    QPushButton* scriptButton; // shows what Play would write and start
    QPushButton* playButton;
    QPushButton* backButton;
};

} // namespace velkarn
