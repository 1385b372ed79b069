#include "ui/main/SimplePage.h"

#include "core/setup/SetupFile.h"
#include "ui/main/RandomSeriesGroup.h"
#include "ui/models/TextListModel.h"
#include "ui/results/AdaptiveBotsBox.h"
#include "ui/widgets/ControlHelpers.h"
#include "ui/widgets/EnterPresses.h"
#include "ui/widgets/LocalText.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace velkarn {

SimplePage::SimplePage(Session& session, QWidget* parent) : QWidget(parent) {
    createControls(session);
    layOut();
    // A click or Enter on a setup reads it; not "activated", which a double-click (or a
    // single click in some styles) sends after "clicked", so the setup would be read twice.
    connect(preDefinedSetupList_, &QListView::clicked, this, &SimplePage::chooseSetup);
    preDefinedSetupList_->installEventFilter(this);
    connect(playSetupButton_, &QPushButton::clicked, this, &SimplePage::playRequested);
    connect(setupScriptButton_, &QPushButton::clicked, this, &SimplePage::scriptRequested);
    connect(newSetupGroup_, &RandomSeriesGroup::rotationBuilt, this,
            &SimplePage::randomSeriesBuilt);
    connect(backButton_, &QPushButton::clicked, this, &SimplePage::backRequested);
}

void SimplePage::chooseSetup(const QModelIndex& index) {
    if (index.isValid())
        emit setupChosen(bytes(index.data(TextListModel::ValueRole).toString()));
}

bool SimplePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == preDefinedSetupList_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            chooseSetup(preDefinedSetupList_->currentIndex());
    }
    return QWidget::eventFilter(watched, event);
}

void SimplePage::createControls(Session& session) {
    preDefinedGroup_ = named(new QGroupBox("Pre-Defined", this), "preDefinedGroup");
    setups_ = new TextListModel(
        [&session] { return predefinedSetupFiles(session.setupFolder()); },
        [](const std::string& file) { return file.substr(0, file.size() - 4); }, this);
    preDefinedSetupList_ = named(new QListView(preDefinedGroup_), "preDefinedSetupList");
    preDefinedSetupList_->setModel(setups_);
    spoken(preDefinedSetupList_, "Pre-defined setups",
           "Saved setups; Enter or a double click loads one");
    setupScriptButton_ = namedButton("S&cript...", "setupScriptButton", preDefinedGroup_);
    playSetupButton_ = namedButton("&Play...", "playSetupButton", preDefinedGroup_);
    pressOnEnter(preDefinedGroup_, playSetupButton_);
    noSetupsHintLabel_ = named(new QLabel("No setup is saved yet. Build one on the Complex page "
                                          "and keep it with File, Save As: it is listed here.",
                                          preDefinedGroup_),
                               "noSetupsHintLabel");
    noSetupsHintLabel_->setWordWrap(true);
    const auto showHint = [this] { noSetupsHintLabel_->setVisible(setups_->rowCount() == 0); };
    connect(setups_, &QAbstractItemModel::modelReset, this, showHint);
    showHint();
    setupInfoText_ = named(new QPlainTextEdit(this), "setupInfoText");
    setupInfoText_->setReadOnly(true);
    setupInfoText_->setFrameShape(QFrame::NoFrame);
    setupInfoLabel_ = namedLabel("Config File &Info :", "setupInfoLabel", this, setupInfoText_);
    newSetupGroup_ = new RandomSeriesGroup(session, this);
    newSetupGroup_->hide();
    adaptiveBotsBox_ = new AdaptiveBotsBox(session.results, session.setup, this);
    adaptiveBotsBox_->hide();
    newSetupGroup_->adaptedSkill = [box = adaptiveBotsBox_] { return box->adaptedSkill(); };
    backButton_ = namedButton("Bac&k", "backButton", this);
}

void SimplePage::layOut() {
    auto* preDefined = new QVBoxLayout(preDefinedGroup_);
    preDefined->addWidget(preDefinedSetupList_);
    preDefined->addWidget(noSetupsHintLabel_);
    auto* playRow = new QHBoxLayout;
    playRow->addStretch();
    playRow->addWidget(setupScriptButton_);
    playRow->addWidget(playSetupButton_);
    preDefined->addLayout(playRow);

    auto* info = new QVBoxLayout;
    info->addWidget(setupInfoLabel_);
    info->addWidget(setupInfoText_);
    auto* top = new QHBoxLayout;
    top->addWidget(preDefinedGroup_, 1);
    top->addLayout(info, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(backButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(newSetupGroup_);
    layout->addWidget(adaptiveBotsBox_);
    layout->addStretch();
    layout->addLayout(bottom);
}

void SimplePage::showPreDefined(bool preDefined) {
    preDefinedGroup_->setVisible(preDefined);
    setupInfoLabel_->setVisible(preDefined);
    setupInfoText_->setVisible(preDefined);
    newSetupGroup_->setVisible(!preDefined);
    adaptiveBotsBox_->setVisible(!preDefined);
    setFocusProxy(preDefined ? static_cast<QWidget*>(preDefinedSetupList_) : newSetupGroup_);
}

void SimplePage::setupsChanged() {
    setups_->refresh();
}

void SimplePage::showSetupInfo(const std::vector<std::string>& lines) {
    setupInfoText_->clear();
    for (const auto& line : lines)
        setupInfoText_->appendPlainText(local(line));
}

} // namespace velkarn
