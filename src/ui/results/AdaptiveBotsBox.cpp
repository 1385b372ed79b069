#include "ui/results/AdaptiveBotsBox.h"

#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/LocalText.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace velkarn {

namespace {

constexpr int MiddleSkill = 3; // "Hurt Me Plenty"

} // namespace

AdaptiveBotsBox::AdaptiveBotsBox(ResultsTracker& results, const SetupModel& setup, QWidget* parent)
    : QWidget(parent), results_(results), setup_(setup) {
    setObjectName("adaptiveBotsBox");
    adaptCheck_ = named(new QCheckBox("Bots &adapt to my results", this), "botsAdaptCheck");
    adaptLabel_ = named(new QLabel(this), "botsAdaptLabel");
    adaptLabel_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(adaptCheck_);
    layout->addWidget(adaptLabel_);

    adaptCheck_->setChecked(results_.botsAdapt());
    connect(adaptCheck_, &QCheckBox::toggled, this, [this](bool adapt) {
        results_.setBotsAdapt(adapt);
        showAdaptation();
    });
    connect(&results_, &ResultsTracker::resultsChanged, this, [this] { showAdaptation(); });
    showAdaptation();
}

void AdaptiveBotsBox::showEvent(QShowEvent* event) {
    showAdaptation(); // the Complex page's random-bot skill may have changed meanwhile
    QWidget::showEvent(event);
}

int AdaptiveBotsBox::fallbackSkill() const {
    return setup_.randomSkillItem >= 1 ? setup_.randomSkillItem : MiddleSkill;
}

std::optional<int> AdaptiveBotsBox::adaptedSkill() {
    if (!adaptCheck_->isChecked())
        return std::nullopt;
    return adaptBotSkill(results_.lastSeriesWithPlayer(), fallbackSkill()).skill;
}

void AdaptiveBotsBox::showAdaptation() {
    adaptLabel_->setVisible(adaptCheck_->isChecked());
    if (adaptCheck_->isChecked())
        adaptLabel_->setText(
            local(adaptBotSkill(results_.lastSeriesWithPlayer(), fallbackSkill()).reason));
}

} // namespace velkarn
