#pragma once

#include "core/results/BotAdaptation.h"
#include "core/results/ResultsTracker.h"
#include "core/setup/SetupModel.h"

#include <QWidget>
#include <optional>

class QCheckBox;
class QLabel;

namespace velkarn {

// "Bots adapt to my results" on the Simple page: when chosen, the next random series' bots play
// at the skill the last recorded series calls for (adaptBotSkill), and the box says which and
// why. The choice is kept in the results file.
class AdaptiveBotsBox : public QWidget {
    Q_OBJECT
public:
    AdaptiveBotsBox(ResultsTracker& results, const SetupModel& setup, QWidget* parent = nullptr);

    // The skill the next random series uses, or nothing when the bots do not adapt.
    std::optional<int> adaptedSkill();
    // Says again which skill the bots will play at and why.
    void showAdaptation();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Without a series to follow, the random-bot skill of the Complex page, or 3 when random.
    int fallbackSkill() const;

    ResultsTracker& results_;
    const SetupModel& setup_;
    QCheckBox* adaptCheck_;
    QLabel* adaptLabel_;
};

} // namespace velkarn
