#pragma once

#include "core/launch/RandomSeries.h"
#include "core/session/Session.h"
#include "ui/widgets/NumberSpin.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <optional>

namespace velkarn {

// "Setup New": one sentence of choices ("I want to play 4 maps of Deathmatch with 30 frag limit
// and with 10 minutes time limit") that draws a random series and plays it.
class RandomSeriesGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit RandomSeriesGroup(Session& session, QWidget* parent = nullptr);

    // The choices as the controls hold them.
    RandomSeriesChoices choices() const;
    // Replaces the rotation with a random one built from the choices and the last random-bot
    // settings, and tells so (for the main window to play it). When no rotation can be built
    // the current one stays as it was.
    void playRandomSeries();

    // The bots' skill for the next random series when it is not the Complex page's random-bot
    // choice (the Simple page's "Bots adapt to my results"); unset or nothing: that choice.
    std::function<std::optional<int>()> adaptedSkill;

signals:
    void rotationBuilt();

private:
    void createControls();
    void layOut();
    // Names the limit under the frag limit field after the chosen game type.
    void updateLimitCaption();

    Session& session_;
    QLabel* iWantToPlayLabel_;
    NumberSpin* simpleMapCountSpin_;
    QLabel* mapsWordLabel_;
    QLabel* ofWordLabel_;
    QComboBox* simpleGameTypeCombo_; // item 0 "[Default]", then game types 1..4
    QLabel* withWordLabel_;
    NumberSpin* simpleFragLimitSpin_;
    QLabel* simpleLimitLabel_;
    QLabel* andWithWordLabel_;
    NumberSpin* simpleTimeLimitSpin_;
    QLabel* simpleTimeLimitLabel_;
    QLabel* minutesWordLabel_;
    QPushButton* simplePlayButton_;
};

} // namespace velkarn
