#include "ui/main/RandomSeriesGroup.h"

#include "core/setup/RotationOps.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"
#include "ui/widgets/NumberSpin.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace velkarn {

namespace {

constexpr int DeathmatchItem = 1;

} // namespace

RandomSeriesGroup::RandomSeriesGroup(Session& session, QWidget* parent)
    : QGroupBox("Setup New", parent), session_(session) {
    setObjectName("newSetupGroup");
    createControls();
    layOut();
    connectGuarded(simpleGameTypeCombo_, &QComboBox::currentIndexChanged, this,
                   [this] { updateLimitCaption(); });
    connectGuarded(simplePlayButton_, &QPushButton::clicked, this,
                   [this] { playRandomSeries(); });
}

void RandomSeriesGroup::createControls() {
    iWantToPlayLabel_ = namedLabel("I &want to play", "iWantToPlayLabel", this);
    simpleMapCountSpin_ =
        spoken(named(new NumberSpin(1, 99, 1, 4, this), "simpleMapCountSpin"), "Number of maps");
    mapsWordLabel_ = namedLabel("maps", "mapsWordLabel", this);
    ofWordLabel_ = namedLabel("of", "ofWordLabel", this);
    simpleGameTypeCombo_ = spoken(named(new QComboBox(this), "simpleGameTypeCombo"), "Game type");
    simpleGameTypeCombo_->addItem("[Default]");
    for (int gameType = Deathmatch; gameType <= CaptureTheFlag; ++gameType)
        simpleGameTypeCombo_->addItem(local(gameTypeText(gameType)));
    withWordLabel_ = namedLabel("with", "withWordLabel", this);
    simpleFragLimitSpin_ = named(new NumberSpin(0, 255, 5, 30, this), "simpleFragLimitSpin");
    simpleLimitLabel_ = namedLabel("frag limit", "simpleLimitLabel", this);
    andWithWordLabel_ = namedLabel("and with", "andWithWordLabel", this);
    simpleTimeLimitSpin_ = named(new NumberSpin(0, 255, 5, 10, this), "simpleTimeLimitSpin");
    simpleTimeLimitLabel_ = namedLabel("&time limit", "simpleTimeLimitLabel", this);
    minutesWordLabel_ = namedLabel("minutes", "minutesWordLabel", this);
    simplePlayButton_ = namedButton("&Play...", "simplePlayButton", this, true);
    simpleGameTypeCombo_->setCurrentIndex(DeathmatchItem);
    updateLimitCaption();
}

void RandomSeriesGroup::layOut() {
    auto* maps = new QHBoxLayout;
    for (QWidget* word :
         std::initializer_list<QWidget*>{iWantToPlayLabel_, simpleMapCountSpin_, mapsWordLabel_,
                                         ofWordLabel_, simpleGameTypeCombo_})
        maps->addWidget(word);
    maps->addStretch();

    // The limit fields carry their captions below them, so the words around them read on.
    auto* limits = new QGridLayout;
    int column = 0;
    for (QWidget* word :
         std::initializer_list<QWidget*>{withWordLabel_, simpleFragLimitSpin_, andWithWordLabel_,
                                         simpleTimeLimitSpin_, minutesWordLabel_})
        limits->addWidget(word, 0, column++);
    limits->addWidget(simpleLimitLabel_, 1, 1, Qt::AlignHCenter | Qt::AlignTop);
    limits->addWidget(simpleTimeLimitLabel_, 1, 3, Qt::AlignHCenter | Qt::AlignTop);
    limits->setColumnStretch(column, 1);
    iWantToPlayLabel_->setBuddy(simpleMapCountSpin_);
    simpleLimitLabel_->setBuddy(simpleFragLimitSpin_);
    simpleTimeLimitLabel_->setBuddy(simpleTimeLimitSpin_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(maps);
    layout->addLayout(limits);
    layout->addStretch();
    layout->addWidget(simplePlayButton_, 0, Qt::AlignRight);
}

RandomSeriesChoices RandomSeriesGroup::choices() const {
    RandomSeriesChoices result;
    result.mapCount = simpleMapCountSpin_->value();
    result.gameType = simpleGameTypeCombo_->currentIndex();
    result.fragLimit = simpleFragLimitSpin_->value();
    result.timeLimit = simpleTimeLimitSpin_->value();
    return result;
}

void RandomSeriesGroup::updateLimitCaption() {
    simpleLimitLabel_->setText(withMnemonic(
        local(randomSeriesLimitCaption(simpleGameTypeCombo_->currentIndex())), "limit"));
}

void RandomSeriesGroup::playRandomSeries() {
    // Built aside first, so a failed build leaves the rotation as it was.
    const std::optional<int> adapted = adaptedSkill ? adaptedSkill() : std::nullopt;
    SetupModel& setup = session_.setup;
    Rotation rotation =
        buildRandomSeries(setup.catalogue, choices(), adapted.value_or(setup.randomSkillItem),
                          teamChoiceFromItem(setup.randomTeamItem), session_.random);
    session_.replaceRotation(std::move(rotation));
    setup.setupName = RandomSeriesName;
    emit rotationBuilt();
}

} // namespace velkarn
