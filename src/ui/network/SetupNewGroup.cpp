#include "ui/network/SetupNewGroup.h"

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

SetupNewGroup::SetupNewGroup(SetupModel& setup, Random& random, QWidget* parent)
    : QGroupBox("Setup New", parent), setup_(setup), random_(random) {
    setObjectName("newSetupGroup");
    createControls();
    layOut();
    connectGuarded(simpleGameTypeCombo, &QComboBox::currentIndexChanged, this,
                   [this] { updateLimitCaption(); });
    connectGuarded(simplePlayButton, &QPushButton::clicked, this, [this] { playRandomRotation(); });
}

void SetupNewGroup::createControls() {
    iWantToPlayLabel = namedLabel("I want to play", "iWantToPlayLabel", this);
    simpleMapCountSpin = named(new NumberSpin(1, 99, 1, 4, this), "simpleMapCountSpin");
    mapsWordLabel = namedLabel("maps", "mapsWordLabel", this);
    ofWordLabel = namedLabel("of", "ofWordLabel", this);
    simpleGameTypeCombo = named(new QComboBox(this), "simpleGameTypeCombo");
    simpleGameTypeCombo->addItem("[Default]");
    for (int gameType = Deathmatch; gameType <= CaptureTheFlag; ++gameType)
        simpleGameTypeCombo->addItem(local(gameTypeText(gameType)));
    withWordLabel = namedLabel("with", "withWordLabel", this);
    simpleFragLimitSpin = named(new NumberSpin(0, 255, 5, 30, this), "simpleFragLimitSpin");
    simpleLimitLabel = namedLabel("frag limit", "simpleLimitLabel", this);
    andWithWordLabel = namedLabel("and with", "andWithWordLabel", this);
    simpleTimeLimitSpin = named(new NumberSpin(0, 255, 5, 10, this), "simpleTimeLimitSpin");
    simpleTimeLimitLabel = namedLabel("time limit", "simpleTimeLimitLabel", this);
    minutesWordLabel = namedLabel("minutes", "minutesWordLabel", this);
    simplePlayButton = namedButton("Play...", "simplePlayButton", this, true);
    simpleGameTypeCombo->setCurrentIndex(DeathmatchItem);
    updateLimitCaption();
}

void SetupNewGroup::layOut() {
    auto* maps = new QHBoxLayout;
    for (QWidget* word : std::initializer_list<QWidget*>{
             iWantToPlayLabel, simpleMapCountSpin, mapsWordLabel, ofWordLabel, simpleGameTypeCombo})
        maps->addWidget(word);
    maps->addStretch();

    // The limit fields carry their captions below them, so the words around them read on.
    auto* limits = new QGridLayout;
    int column = 0;
    for (QWidget* word :
         std::initializer_list<QWidget*>{withWordLabel, simpleFragLimitSpin, andWithWordLabel,
                                         simpleTimeLimitSpin, minutesWordLabel})
        limits->addWidget(word, 0, column++);
    limits->addWidget(simpleLimitLabel, 1, 1, Qt::AlignHCenter | Qt::AlignTop);
    limits->addWidget(simpleTimeLimitLabel, 1, 3, Qt::AlignHCenter | Qt::AlignTop);
    limits->setColumnStretch(column, 1);
    simpleLimitLabel->setBuddy(simpleFragLimitSpin);
    simpleTimeLimitLabel->setBuddy(simpleTimeLimitSpin);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(maps);
    layout->addLayout(limits);
    layout->addStretch();
    layout->addWidget(simplePlayButton, 0, Qt::AlignRight);
}

SimpleChoices SetupNewGroup::choices() const {
    SimpleChoices result;
    result.mapCount = simpleMapCountSpin->value();
    result.gameType = simpleGameTypeCombo->currentIndex();
    result.fragLimit = simpleFragLimitSpin->value();
    result.timeLimit = simpleTimeLimitSpin->value();
    return result;
}

void SetupNewGroup::updateLimitCaption() {
    simpleLimitLabel->setText(local(simpleLimitCaption(simpleGameTypeCombo->currentIndex())));
}

void SetupNewGroup::playRandomRotation() {
    commitTypedNumbers();
    // Built aside first, so a failed build leaves the rotation as it was.
    const std::optional<int> adapted = adaptedSkill ? adaptedSkill() : std::nullopt;
    Rotation rotation =
        buildSimpleRotation(setup_.catalogue, choices(), adapted.value_or(setup_.randomSkillItem),
                            teamChoiceFromItem(setup_.randomTeamItem), random_);
    setup_.rotation = std::move(rotation);
    setup_.setupName = RandomSeriesName;
    emit rotationBuilt();
}

} // namespace velkarn
