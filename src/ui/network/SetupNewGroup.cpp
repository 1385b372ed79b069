#include "ui/network/SetupNewGroup.h"

#include "core/setup/RotationOps.h"
#include "ui/main/ComplexPage.h"
#include "ui/main/Forms.h"
#include "ui/main/MainWindow.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/Guard.h"
#include "ui/widgets/LocalText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace velkarn {

namespace {

constexpr int DeathmatchItem = 1;

// The Complex page shows the new rotation as if its entries had been added there one by one:
// the last one is the entry worked on, with its roster.
void showOnComplexPage(TfmMain& main) {
    MapsGroup& maps = *main.complexPage->gbMaps;
    BotsGroup& bots = *main.complexPage->gbBots;
    const MapListType& rotation = main.model.MapList;
    maps.showRotation();
    if (rotation.empty())
        return;
    const int last = static_cast<int>(rotation.size()) - 1;
    maps.makeCurrent(last);
    bots.EnableBotControls(true);
    bots.setTeamGame(isTeamGame(rotation.back()->GameType));
    bots.showRoster(*rotation.back());
}

} // namespace

SetupNewGroup::SetupNewGroup(QWidget* parent) : QGroupBox("Setup New", parent) {
    setObjectName("gbSetupNew");
    createControls();
    layOut();
    connectGuarded(cbSimpleGameType, &QComboBox::currentIndexChanged, this,
                   [this] { cbSimpleGameTypeChange(); });
    connectGuarded(butSimpleNewPlay, &QPushButton::clicked, this,
                   [this] { butSimpleNewPlayClick(); });
}

void SetupNewGroup::createControls() {
    lbSimple0 = namedLabel("I want to play", "lbSimple0", this);
    spSimpleNumMaps = named(new TSpinEdit(1, 99, 1, 4, this), "spSimpleNumMaps");
    lbSimple1 = namedLabel("maps", "lbSimple1", this);
    lbSimple4 = namedLabel("of", "lbSimple4", this);
    cbSimpleGameType = named(new QComboBox(this), "cbSimpleGameType");
    cbSimpleGameType->addItem("[Default]");
    for (int gameType = Deathmatch; gameType <= CaptureTheFlag; ++gameType)
        cbSimpleGameType->addItem(local(gameTypeText(gameType)));
    lbSimple5 = namedLabel("with", "lbSimple5", this);
    spSimpleFragLimit = named(new TSpinEdit(0, 255, 5, 30, this), "spSimpleFragLimit");
    lbSimple3 = namedLabel("frag limit", "lbSimple3", this);
    lbSimple6 = namedLabel("and with", "lbSimple6", this);
    spSimpleTimeLimit = named(new TSpinEdit(0, 255, 5, 10, this), "spSimpleTimeLimit");
    lbSimple2 = namedLabel("time limit", "lbSimple2", this);
    lbSimple7 = namedLabel("minutes", "lbSimple7", this);
    butSimpleNewPlay = namedButton("Play...", "butSimpleNewPlay", this, true);
    cbSimpleGameType->setCurrentIndex(DeathmatchItem);
    cbSimpleGameTypeChange();
}

void SetupNewGroup::layOut() {
    auto* maps = new QHBoxLayout;
    for (QWidget* word : std::initializer_list<QWidget*>{lbSimple0, spSimpleNumMaps, lbSimple1,
                                                         lbSimple4, cbSimpleGameType})
        maps->addWidget(word);
    maps->addStretch();

    // The limit fields carry their captions below them, so the words around them read on.
    auto* limits = new QGridLayout;
    int column = 0;
    for (QWidget* word : std::initializer_list<QWidget*>{lbSimple5, spSimpleFragLimit, lbSimple6,
                                                         spSimpleTimeLimit, lbSimple7})
        limits->addWidget(word, 0, column++);
    limits->addWidget(lbSimple3, 1, 1, Qt::AlignHCenter | Qt::AlignTop);
    limits->addWidget(lbSimple2, 1, 3, Qt::AlignHCenter | Qt::AlignTop);
    limits->setColumnStretch(column, 1);
    lbSimple3->setBuddy(spSimpleFragLimit);
    lbSimple2->setBuddy(spSimpleTimeLimit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(maps);
    layout->addLayout(limits);
    layout->addStretch();
    layout->addWidget(butSimpleNewPlay, 0, Qt::AlignRight);
}

SimpleChoices SetupNewGroup::choices() const {
    SimpleChoices result;
    result.mapCount = spSimpleNumMaps->value();
    result.gameType = cbSimpleGameType->currentIndex();
    result.fragLimit = spSimpleFragLimit->value();
    result.timeLimit = spSimpleTimeLimit->value();
    return result;
}

void SetupNewGroup::cbSimpleGameTypeChange() {
    lbSimple3->setText(local(SimpleLimitCaption(cbSimpleGameType->currentIndex())));
}

void SetupNewGroup::butSimpleNewPlayClick() {
    // A number still being typed counts as entered, as if its field had been left.
    for (TSpinEdit* field : {spSimpleNumMaps, spSimpleFragLimit, spSimpleTimeLimit})
        field->interpretText();
    TfmMain& main = *forms().fmMain;
    const BotsGroup& bots = *main.complexPage->gbBots;
    // Built aside first, so a failed build leaves the rotation as it was.
    MapListType rotation =
        BuildSimpleRotation(main.model.catalogue, choices(), bots.cbRanSkill->currentIndex(),
                            TeamChoiceFromItem(bots.cbRanTeam->currentIndex()), main.random);
    main.model.MapList = std::move(rotation);
    showOnComplexPage(main);
    main.butPlayClick();
}

} // namespace velkarn
